#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "input/input_monitor.h"

namespace {

// A record as GetRawInputData leaves it: header (type, size, device,
// wParam), then the payload; HID payloads start with dwSizeHid, dwCount.
std::vector<uint8_t> Record(uint32_t type, uint32_t size, uint32_t hidSize = 0,
                            uint32_t hidCount = 0) {
    std::vector<uint8_t> bytes(size < 512 ? size : 512, 0);
    if (bytes.size() >= 8) {
        std::memcpy(bytes.data(), &type, 4);
        std::memcpy(bytes.data() + 4, &size, 4);
    }
    if (bytes.size() >= kRawInputHeaderSize + 8) {
        std::memcpy(bytes.data() + kRawInputHeaderSize, &hidSize, 4);
        std::memcpy(bytes.data() + kRawInputHeaderSize + 4, &hidCount, 4);
    }
    return bytes;
}

TEST(RawInputRecordTest, AcceptsOnlyCompleteRecords) {
    struct Case {
        const char* name;
        uint32_t type;
        uint32_t announced;
        uint32_t returned;
        uint32_t hidSize, hidCount;
        bool valid;
    };
    const Case cases[] = {
        {"keyboard", kRawTypeKeyboard, 40, 40, 0, 0, true},
        {"keyboard padded to the union", kRawTypeKeyboard, 48, 48, 0, 0, true},
        {"mouse", kRawTypeMouse, 48, 48, 0, 0, true},
        {"hid", kRawTypeHid, 24 + 8 + 20, 52, 10, 2, true},
        {"size query failed", kRawTypeKeyboard, kRawSizeQueryFailed, kRawSizeQueryFailed, 0, 0,
         false},
        {"read failed", kRawTypeKeyboard, 40, kRawSizeQueryFailed, 0, 0, false},
        {"short read", kRawTypeKeyboard, 40, 32, 0, 0, false},
        {"empty", kRawTypeKeyboard, 0, 0, 0, 0, false},
        {"header only", kRawTypeKeyboard, 24, 24, 0, 0, false},
        {"shorter than a header", kRawTypeKeyboard, 16, 16, 0, 0, false},
        {"keyboard cut short", kRawTypeKeyboard, 39, 39, 0, 0, false},
        {"mouse cut short", kRawTypeMouse, 40, 40, 0, 0, false},
        {"hid without its counts", kRawTypeHid, 28, 28, 0, 0, false},
        {"hid report cut short", kRawTypeHid, 51, 51, 10, 2, false},
        {"hid count overflowing 32 bits", kRawTypeHid, 64, 64, 0x10000, 0x10000, false},
        {"hid huge count", kRawTypeHid, 64, 64, 1, 0xFFFFFFFF, false},
        {"unknown type", 7, 48, 48, 0, 0, false},
    };
    for (const Case& c : cases) {
        const std::vector<uint8_t> bytes = Record(c.type, c.announced, c.hidSize, c.hidCount);
        EXPECT_EQ(RawInputRecordValid(c.announced, c.returned, bytes), c.valid) << c.name;
    }
}

TEST(RawInputRecordTest, BufferSmallerThanAnnouncedIsRejected) {
    const std::vector<uint8_t> bytes = Record(kRawTypeKeyboard, 40);
    EXPECT_FALSE(RawInputRecordValid(48, 48, bytes));
    EXPECT_TRUE(RawInputRecordValid(40, 40, bytes));
}

}  // namespace
