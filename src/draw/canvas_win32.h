#pragma once

// Drawing primitives: canvas and paths, colours, gradients, group opacity, PNGs, DIBs, GDI+.

#include <cstdint>
#include <memory>

#include "base/gdiplus_include_win32.h"
#include "draw/color.h"
#include "draw/draw_geometry.h"

// Counters of the drawing work of one frame, read by the frame benchmark.
struct CanvasStats {
    std::uint64_t gdiplusCalls = 0;
    std::uint64_t offscreenBitmaps = 0;
};

// A drawing target: a GDI+ graphics it does not own and the status of the
// last failed call. A failed call is recorded and drawing carries on.
struct Canvas {
    Gdiplus::Graphics* graphics = nullptr;
    std::int32_t lastStatus = 0;
    CanvasStats* stats = nullptr;  // optional
};

// Records one GDI+ call made for the canvas.
void Note(Canvas& canvas, Gdiplus::Status status);

// A path plus the status of its last failed call; owns the path.
class PathBuilder {
public:
    explicit PathBuilder(Canvas& canvas, Gdiplus::FillMode mode = Gdiplus::FillModeAlternate);
    PathBuilder(const PathBuilder&) = delete;
    PathBuilder& operator=(const PathBuilder&) = delete;

    Gdiplus::GraphicsPath& path() { return path_; }
    std::int32_t lastStatus() const { return lastStatus_; }
    // Records one call made on the path.
    void Note(Gdiplus::Status status);

    void Bezier(Vec2 p0, Vec2 c1, Vec2 c2, Vec2 p1);
    void Line(Vec2 a, Vec2 b);
    void Ellipse(float x, float y, float w, float h);
    void Rectangle(float x, float y, float w, float h);
    void Polygon(const Vec2* points, int count);
    void Lines(const Vec2* points, int count);
    void Arc(float x, float y, float w, float h, float startDegrees, float sweepDegrees);
    void StartFigure();
    void CloseFigure();

private:
    Canvas& canvas_;
    Gdiplus::GraphicsPath path_;
    std::int32_t lastStatus_ = 0;
};

// A quadratic curve added as its exact cubic.
void AddQuadCurve(PathBuilder& path, Vec2 p0, Vec2 c, Vec2 p1);
// A rounded rectangle, or a plain one when the corners would be tiny.
void AddRoundedRect(PathBuilder& path, float x, float y, float w, float h, float radius);

// Saves the graphics state and restores it when the scope ends.
class SavedState {
public:
    explicit SavedState(Canvas& canvas);
    ~SavedState();
    SavedState(const SavedState&) = delete;
    SavedState& operator=(const SavedState&) = delete;

private:
    Canvas& canvas_;
    Gdiplus::GraphicsState state_;
};

// World-transform steps through the canvas (angles in degrees).
void Translate(Canvas& canvas, float dx, float dy);
void Rotate(Canvas& canvas, float degrees);
void Scale(Canvas& canvas, float sx, float sy);

Gdiplus::Color ToColor(Argb argb);
Gdiplus::PointF ToPointF(Vec2 p);

// Round-capped, round-joined pen in world units.
std::unique_ptr<Gdiplus::Pen> MakeRoundPen(Canvas& canvas, Argb colour, float width);

void FillPath(Canvas& canvas, const Gdiplus::Brush& brush, PathBuilder& path);
void FillPathSolid(Canvas& canvas, Argb colour, PathBuilder& path);
void StrokePath(Canvas& canvas, const Gdiplus::Pen& pen, PathBuilder& path);
void FillEllipseSolid(Canvas& canvas, Argb colour, float x, float y, float w, float h);
void ClipToPath(Canvas& canvas, PathBuilder& path);

// Fills the path (or, with no path, the rectangle when it has an area) with
// a linear gradient along p0 -> p1 through n stops.
void FillLinearGradientStops(Canvas& canvas, PathBuilder* path, float x, float y, float w, float h,
                             Vec2 p0, Vec2 p1, const Argb* colours, const float* positions, int n);
