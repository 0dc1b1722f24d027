#pragma once

#include <string>

#include "skins/skin_color.h"

// Colours of the pet's desk: keyboard and mouse. Skins read from a file
// always arrive with all eight colours set.
struct KeyboardSkin {
    std::string id;      // 16 hex digits, or "builtin:N"
    std::string name;    // UTF-8, 1..96 bytes
    std::string author;  // UTF-8, 0..96 bytes
    bool isBuiltin = false;
    SkinColor mouseBody;
    SkinColor mouseBorder;
    SkinColor wheel;
    SkinColor base;
    SkinColor deck;
    SkinColor key;
    SkinColor keyBorder;
    SkinColor accent;
    bool darkText = true;  // legends on ordinary keycaps are dark
};
