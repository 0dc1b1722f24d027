#pragma once

#include <string>
#include <vector>

struct CommandLineSwitches {
    bool takeover = false;
    bool noElevate = false;
};

// Switches are whole arguments after the program path, compared case-insensitively.
CommandLineSwitches ParseCommandLineSwitches(const std::vector<std::wstring>& arguments);

bool SameSwitch(const std::wstring& argument, const wchar_t* name);
