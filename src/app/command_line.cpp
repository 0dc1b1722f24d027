#include "app/command_line.h"

#include <cwctype>

bool SameSwitch(const std::wstring& argument, const wchar_t* name) {
    size_t i = 0;
    for (; i < argument.size() && name[i] != L'\0'; ++i) {
        if (std::towlower(argument[i]) != std::towlower(name[i])) return false;
    }
    return i == argument.size() && name[i] == L'\0';
}

CommandLineSwitches ParseCommandLineSwitches(const std::vector<std::wstring>& arguments) {
    CommandLineSwitches switches;
    for (size_t i = 1; i < arguments.size(); ++i) {
        if (SameSwitch(arguments[i], L"--takeover")) switches.takeover = true;
        if (SameSwitch(arguments[i], L"--no-elevate")) switches.noElevate = true;
    }
    return switches;
}
