#pragma once

#include "draw/canvas_win32.h"

struct CatSkin;

// The tabby fur brush of "builtin:5": the pattern is painted once per skin
// and pixel density and reused by every later frame. The brush maps the
// texture onto Stage coordinates. Returns null when it cannot be made.
const Gdiplus::TextureBrush* TabbyFurBrush(Canvas& canvas, const CatSkin& skin);

// Drops every cached texture (tests and shutdown).
void ClearTabbyTextures();
