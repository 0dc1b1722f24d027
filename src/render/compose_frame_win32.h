#pragma once

#include <cstdint>

#include "draw/canvas_win32.h"

struct CatSkin;
struct KeyboardSkin;
struct PetState;
struct Settings;

// One frame into a width x height target: clear (transparent, or opaque
// green for the green-screen capture mode), map the Stage onto the target
// and draw the scene. Shared by the overlay window and the snapshot tool so
// both produce the same pixels. Returns the last failed GDI+ status (0 when
// every call succeeded).
std::int32_t ComposeFrame(Gdiplus::Graphics& graphics, int width, int height, bool greenScreen,
                          const PetState& pet, const Settings& settings, const CatSkin& catSkin,
                          const KeyboardSkin& keyboardSkin, CanvasStats* stats = nullptr);

inline constexpr Argb kGreenScreen = 0xFF00FF00u;

// Frees the textures the renderer keeps between frames. Call before
// GdiplusShutdown.
void ReleaseRenderCaches();
