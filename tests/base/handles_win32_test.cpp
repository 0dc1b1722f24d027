#include "base/handles_win32.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

// Handles are small numbers; freeing one writes it down.
std::vector<int> freed;

void WriteDownFree(int* handle) {
    freed.push_back(static_cast<int>(reinterpret_cast<std::intptr_t>(handle)));
}

using Owner = UniqueHandle<int*, WriteDownFree>;

int* Handle(int n) {
    return reinterpret_cast<int*>(static_cast<std::intptr_t>(n));
}

TEST(UniqueHandleTest, EveryHandleIsFreedExactlyOnce) {
    struct Case {
        const char* what;
        void (*run)();
        std::vector<int> freed;  // in the order freed
    };
    const Case cases[] = {
        {"a moved-from owner frees nothing",
         [] {
             Owner from(Handle(1));
             Owner to(std::move(from));
         },
         {1}},
        {"move assignment frees the handle it replaces",
         [] {
             Owner from(Handle(1));
             Owner to(Handle(2));
             to = std::move(from);
         },
         {2, 1}},
        {"moving onto itself keeps the handle",
         [] {
             Owner owner(Handle(1));
             Owner& same = owner;
             owner = std::move(same);
         },
         {1}},
        {"reset frees once, however often it is called",
         [] {
             Owner owner(Handle(1));
             owner.Reset(Handle(2));
             owner.Reset();
             owner.Reset();
         },
         {1, 2}},
        {"out frees the old handle before the call fills in a new one",
         [] {
             Owner owner(Handle(1));
             *owner.Out() = Handle(2);
         },
         {1, 2}},
        {"a released handle is the caller's",
         [] {
             Owner owner(Handle(1));
             EXPECT_EQ(owner.Release(), Handle(1));
         },
         {}},
    };
    for (const Case& c : cases) {
        freed.clear();
        c.run();
        EXPECT_EQ(freed, c.freed) << c.what;
    }
}

// The single-instance check reads GetLastError right after Create and relies on the name
// coming free once every holder has closed it.
TEST(NamedMutexTest, CreateKeepsTheErrorAndTheNameFreesWithTheLastHolder) {
    const std::wstring name = L"Local\\MewlarkHandlesTest" + std::to_wstring(GetCurrentProcessId());
    auto createError = [&name](NamedMutex& mutex) {
        SetLastError(ERROR_SUCCESS);
        mutex.Create(name.c_str());
        return GetLastError();
    };

    NamedMutex first;
    EXPECT_EQ(createError(first), static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_NE(first.Get(), nullptr);
    NamedMutex second;
    EXPECT_EQ(createError(second), static_cast<DWORD>(ERROR_ALREADY_EXISTS));

    NamedMutex moved(std::move(second));
    EXPECT_EQ(second.Get(), nullptr);
    second.Close();
    first.Close();
    NamedMutex probe;
    EXPECT_EQ(createError(probe), static_cast<DWORD>(ERROR_ALREADY_EXISTS))
        << "moved still holds it";

    moved.Close();
    probe.Close();
    NamedMutex again;
    EXPECT_EQ(createError(again), static_cast<DWORD>(ERROR_SUCCESS)) << "the name came free";
}

}  // namespace
