#include "keys/key_names.h"

#include <gtest/gtest.h>

#include "physical_key_printer.h"

namespace {

TEST(KeyNamesTest, FindsKeysByWholeNameInAnyCase) {
    struct Case {
        const char* name;
        PhysicalKey key;
    };
    const Case cases[] = {{"escape", PhysicalKey::Escape},
                          {"Digit0", PhysicalKey::Digit0},
                          {"SPACE", PhysicalKey::Space},
                          {"LeftShift", PhysicalKey::LeftShift},
                          {"Backquote", PhysicalKey::Backquote},
                          {"F12", PhysicalKey::F12},
                          {"Left", PhysicalKey::Left},
                          {"", PhysicalKey::None},
                          // Only whole names count.
                          {"Spac", PhysicalKey::None},
                          {"Spacebar", PhysicalKey::None},
                          {"F 1", PhysicalKey::None},
                          {"Hyper", PhysicalKey::None}};
    for (const Case& c : cases) EXPECT_EQ(PhysicalKeyFromName(c.name), c.key) << c.name;
}

}  // namespace
