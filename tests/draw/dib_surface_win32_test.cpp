#include "draw/dib_surface_win32.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The overlay rebuilds its surface on every size change; each rebuild must give the old DC and
// bitmap back, or a long session runs out of GDI handles.
TEST(DibSurfaceTest, RecreatingAndFreeingLeaveNoGdiObjectBehind) {
    DibSurface surface;
    std::vector<HGDIOBJ> made;
    for (const int size : {40, 64}) {
        ASSERT_TRUE(surface.Create(size, size));
        EXPECT_TRUE(surface.Ready());
        EXPECT_EQ(surface.width, size);
        EXPECT_EQ(GetCurrentObject(surface.dc.Get(), OBJ_BITMAP), surface.bitmap.Get());
        made.push_back(surface.dc.Get());
        made.push_back(surface.bitmap.Get());
    }
    surface.Free();
    EXPECT_FALSE(surface.Ready());
    EXPECT_EQ(surface.width, 0);
    for (HGDIOBJ object : made) EXPECT_EQ(GetObjectType(object), 0u) << object;
}

}  // namespace
