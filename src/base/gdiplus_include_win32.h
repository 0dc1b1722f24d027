#pragma once

// The ground floor: version, Stage size, points and rectangles, small math, handle owners.

// GDI+ headers use min and max unqualified, which NOMINMAX removes.
#include <algorithm>
#include <windows.h>
#include <objidl.h>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>
