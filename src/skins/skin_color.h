#pragma once

// One colour of a skin. Components are 0..1; drawing converts to ARGB.
// An unset colour (not in the file and not derived) is opaque black and
// tells the renderer to use its own default.
struct SkinColor {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
    double a = 1.0;
    bool set = false;
};
