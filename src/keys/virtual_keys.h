#pragma once

#include <cstdint>

// Windows virtual-key codes, spelled out so platform-free code need not
// include the system headers.
inline constexpr uint16_t kVkLButton = 0x01;
inline constexpr uint16_t kVkRButton = 0x02;
inline constexpr uint16_t kVkMButton = 0x04;
inline constexpr uint16_t kVkBack = 0x08;
inline constexpr uint16_t kVkTab = 0x09;
inline constexpr uint16_t kVkClear = 0x0C;
inline constexpr uint16_t kVkReturn = 0x0D;
inline constexpr uint16_t kVkShift = 0x10;
inline constexpr uint16_t kVkControl = 0x11;
inline constexpr uint16_t kVkMenu = 0x12;
inline constexpr uint16_t kVkPause = 0x13;
inline constexpr uint16_t kVkCapital = 0x14;
inline constexpr uint16_t kVkEscape = 0x1B;
inline constexpr uint16_t kVkSpace = 0x20;
inline constexpr uint16_t kVkPrior = 0x21;
inline constexpr uint16_t kVkNext = 0x22;
inline constexpr uint16_t kVkEnd = 0x23;
inline constexpr uint16_t kVkHome = 0x24;
inline constexpr uint16_t kVkLeft = 0x25;
inline constexpr uint16_t kVkUp = 0x26;
inline constexpr uint16_t kVkRight = 0x27;
inline constexpr uint16_t kVkDown = 0x28;
inline constexpr uint16_t kVkInsert = 0x2D;
inline constexpr uint16_t kVkDelete = 0x2E;
inline constexpr uint16_t kVkLWin = 0x5B;
inline constexpr uint16_t kVkRWin = 0x5C;
inline constexpr uint16_t kVkNumpad0 = 0x60;
inline constexpr uint16_t kVkDecimal = 0x6E;
inline constexpr uint16_t kVkDivide = 0x6F;
inline constexpr uint16_t kVkF1 = 0x70;
inline constexpr uint16_t kVkLShift = 0xA0;
inline constexpr uint16_t kVkRShift = 0xA1;
inline constexpr uint16_t kVkLControl = 0xA2;
inline constexpr uint16_t kVkRControl = 0xA3;
inline constexpr uint16_t kVkLMenu = 0xA4;
inline constexpr uint16_t kVkRMenu = 0xA5;
inline constexpr uint16_t kVkOem1 = 0xBA;
inline constexpr uint16_t kVkOemPlus = 0xBB;
inline constexpr uint16_t kVkOemComma = 0xBC;
inline constexpr uint16_t kVkOemMinus = 0xBD;
inline constexpr uint16_t kVkOemPeriod = 0xBE;
inline constexpr uint16_t kVkOem2 = 0xBF;
inline constexpr uint16_t kVkOem3 = 0xC0;
inline constexpr uint16_t kVkOem4 = 0xDB;
inline constexpr uint16_t kVkOem5 = 0xDC;
inline constexpr uint16_t kVkOem6 = 0xDD;
inline constexpr uint16_t kVkOem7 = 0xDE;
