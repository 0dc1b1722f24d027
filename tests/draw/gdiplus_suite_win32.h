#pragma once

// One GDI+ session for each suite of pixel tests.

#include <gtest/gtest.h>

#include <memory>

#include "base/handles_win32.h"

class GdiplusSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        session_ = std::make_unique<GdiplusSession>();
        ASSERT_TRUE(session_->Started());
    }
    static void TearDownTestSuite() { session_.reset(); }

private:
    static inline std::unique_ptr<GdiplusSession> session_;
};
