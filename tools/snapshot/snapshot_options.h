#pragma once

// The snapshot tool: the pet rendered offscreen, after a scripted stretch of input.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Command line of the snapshot tool.
struct SnapshotOptions {
    std::string out;
    float scale = 1.0f;
    float rotation = 0.0f;
    bool flip = false;
    std::int32_t coat = 0;
    std::int32_t eyes = 0;
    std::int32_t keyboard = 0;
    std::string skinPath;
    std::string keyboardSkinPath;  // an imported keyboard skin to wear
    bool green = false;
    bool edit = false;  // the resize-and-direction overlay
    std::string script;
    // --frames DIR --fps N: N numbered PNGs a second of the script.
    std::string framesDir;
    std::int32_t fps = 0;
    // --set NAME=VALUE, in order: any stored setting by its registry value name, applied after
    // the options above.
    std::vector<std::pair<std::string, std::string>> settingTexts;
};

// Reads the arguments after the program name. On failure returns false and
// sets error to one line for the user.
bool ParseSnapshotArgs(const std::vector<std::string>& args, SnapshotOptions& options,
                       std::string& error);

inline constexpr const char* kSnapshotUsage =
    "usage: mewlark-snapshot --out FILE.png [--scale S] [--rotation DEG] [--flip] [--coat N] "
    "[--eyes N]\n"
    "                        [--keyboard N] [--skin FILE] [--keyboard-skin FILE] [--green] "
    "[--edit]\n"
    "                        [--script \"...\"] [--set NAME=VALUE]... [--frames DIR --fps N]\n";
