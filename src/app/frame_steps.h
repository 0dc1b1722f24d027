#pragma once

#include <functional>

// The order of one frame, apart from the system calls that fill it in. The deferred context
// menu runs a modal loop whose commands can reload skins or quit, so it opens before anything
// of the frame is looked up and the frame ends after it; the next frame starts afresh.
struct FrameSteps {
    std::function<bool()> takeDeferredMenu;  // true once when the Alt-deferred menu is due
    std::function<void()> showMenu;
    std::function<void()> update;   // skins looked up, pet advanced, pointer handled
    std::function<bool()> surface;  // false: no surface this frame, try again next frame
    std::function<void()> draw;
    std::function<void()> present;
};

enum class FrameOutcome { MenuShown, NoSurface, Presented };

FrameOutcome RunFrameSteps(const FrameSteps& steps);
