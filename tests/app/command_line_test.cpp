#include "app/command_line.h"

#include <gtest/gtest.h>

TEST(CommandLineTest, SwitchesAreWholeCaseInsensitiveArguments) {
    struct Case {
        std::vector<std::wstring> args;
        bool takeover;
        bool noElevate;
    };
    const Case cases[] = {
        {{L"Mewlark.exe"}, false, false},
        {{L"Mewlark.exe", L"--TakeOver"}, true, false},
        {{L"Mewlark.exe", L"--no-elevate", L"--takeover"}, true, true},
        {{L"Mewlark.exe", L"--takeoverx", L"-no-elevate"}, false, false},
        // The program path itself is never a switch.
        {{L"--takeover"}, false, false},
    };
    for (const Case& c : cases) {
        const CommandLineSwitches s = ParseCommandLineSwitches(c.args);
        EXPECT_EQ(s.takeover, c.takeover);
        EXPECT_EQ(s.noElevate, c.noElevate);
    }
}
