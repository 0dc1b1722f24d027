#include "draw/canvas_win32.h"

#include <vector>

using Gdiplus::Status;

void Note(Canvas& canvas, Status status) {
    if (canvas.stats != nullptr) ++canvas.stats->gdiplusCalls;
    if (status != Gdiplus::Ok) canvas.lastStatus = static_cast<std::int32_t>(status);
}

PathBuilder::PathBuilder(Canvas& canvas, Gdiplus::FillMode mode) : canvas_(canvas), path_(mode) {
    Note(path_.GetLastStatus());
}

void PathBuilder::Note(Status status) {
    if (canvas_.stats != nullptr) ++canvas_.stats->gdiplusCalls;
    if (status != Gdiplus::Ok) lastStatus_ = static_cast<std::int32_t>(status);
}

void PathBuilder::Bezier(Vec2 p0, Vec2 c1, Vec2 c2, Vec2 p1) {
    Note(path_.AddBezier(p0.x, p0.y, c1.x, c1.y, c2.x, c2.y, p1.x, p1.y));
}

void PathBuilder::Line(Vec2 a, Vec2 b) {
    Note(path_.AddLine(a.x, a.y, b.x, b.y));
}

void PathBuilder::Ellipse(float x, float y, float w, float h) {
    Note(path_.AddEllipse(x, y, w, h));
}

void PathBuilder::Rectangle(float x, float y, float w, float h) {
    Note(path_.AddRectangle(Gdiplus::RectF(x, y, w, h)));
}

void PathBuilder::Polygon(const Vec2* points, int count) {
    std::vector<Gdiplus::PointF> pts;
    pts.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) pts.push_back(ToPointF(points[i]));
    Note(path_.AddPolygon(pts.data(), count));
}

void PathBuilder::Lines(const Vec2* points, int count) {
    std::vector<Gdiplus::PointF> pts;
    pts.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) pts.push_back(ToPointF(points[i]));
    Note(path_.AddLines(pts.data(), count));
}

void PathBuilder::Arc(float x, float y, float w, float h, float startDegrees, float sweepDegrees) {
    Note(path_.AddArc(x, y, w, h, startDegrees, sweepDegrees));
}

void PathBuilder::StartFigure() {
    Note(path_.StartFigure());
}

void PathBuilder::CloseFigure() {
    Note(path_.CloseFigure());
}

void AddQuadCurve(PathBuilder& path, Vec2 p0, Vec2 c, Vec2 p1) {
    constexpr float k = 0.6666667f;
    const Vec2 c1{p0.x + (c.x - p0.x) * k, p0.y + (c.y - p0.y) * k};
    const Vec2 c2{p1.x + (c.x - p1.x) * k, p1.y + (c.y - p1.y) * k};
    path.Bezier(p0, c1, c2, p1);
}

void AddRoundedRect(PathBuilder& path, float x, float y, float w, float h, float radius) {
    const float d = RoundedRectDiameter(w, h, radius);
    if (d <= 0.5f) {
        path.Rectangle(x, y, w, h);
        return;
    }
    path.Arc(x, y, d, d, 180.0f, 90.0f);
    path.Arc(x + w - d, y, d, d, 270.0f, 90.0f);
    path.Arc(x + w - d, y + h - d, d, d, 0.0f, 90.0f);
    path.Arc(x, y + h - d, d, d, 90.0f, 90.0f);
    path.CloseFigure();
}

SavedState::SavedState(Canvas& canvas) : canvas_(canvas), state_(canvas.graphics->Save()) {
    Note(canvas_, Gdiplus::Ok);
}

SavedState::~SavedState() {
    Note(canvas_, canvas_.graphics->Restore(state_));
}

void Translate(Canvas& canvas, float dx, float dy) {
    Note(canvas, canvas.graphics->TranslateTransform(dx, dy));
}

void Rotate(Canvas& canvas, float degrees) {
    Note(canvas, canvas.graphics->RotateTransform(degrees));
}

void Scale(Canvas& canvas, float sx, float sy) {
    Note(canvas, canvas.graphics->ScaleTransform(sx, sy));
}

Gdiplus::Color ToColor(Argb argb) {
    return Gdiplus::Color(static_cast<Gdiplus::ARGB>(argb));
}

Gdiplus::PointF ToPointF(Vec2 p) {
    return Gdiplus::PointF(p.x, p.y);
}

std::unique_ptr<Gdiplus::Pen> MakeRoundPen(Canvas& canvas, Argb colour, float width) {
    auto pen = std::make_unique<Gdiplus::Pen>(ToColor(colour), width);
    Note(canvas, pen->GetLastStatus());
    Note(canvas,
         pen->SetLineCap(Gdiplus::LineCapRound, Gdiplus::LineCapRound, Gdiplus::DashCapRound));
    Note(canvas, pen->SetLineJoin(Gdiplus::LineJoinRound));
    return pen;
}

void FillPath(Canvas& canvas, const Gdiplus::Brush& brush, PathBuilder& path) {
    Note(canvas, canvas.graphics->FillPath(&brush, &path.path()));
}

void FillPathSolid(Canvas& canvas, Argb colour, PathBuilder& path) {
    const Gdiplus::SolidBrush brush(ToColor(colour));
    Note(canvas, brush.GetLastStatus());
    FillPath(canvas, brush, path);
}

void StrokePath(Canvas& canvas, const Gdiplus::Pen& pen, PathBuilder& path) {
    Note(canvas, canvas.graphics->DrawPath(&pen, &path.path()));
}

void FillEllipseSolid(Canvas& canvas, Argb colour, float x, float y, float w, float h) {
    const Gdiplus::SolidBrush brush(ToColor(colour));
    Note(canvas, brush.GetLastStatus());
    Note(canvas, canvas.graphics->FillEllipse(&brush, x, y, w, h));
}

void ClipToPath(Canvas& canvas, PathBuilder& path) {
    Note(canvas, canvas.graphics->SetClip(&path.path(), Gdiplus::CombineModeIntersect));
}

void FillLinearGradientStops(Canvas& canvas, PathBuilder* path, float x, float y, float w, float h,
                             Vec2 p0, Vec2 p1, const Argb* colours, const float* positions, int n) {
    if (n <= 0) return;
    if (path == nullptr && !(w > 0.0f && h > 0.0f)) return;
    GradientLinePlan plan =
        PlanLinearGradientStops(p0, p1, colours, positions, static_cast<std::size_t>(n));
    auto fill = [&](const Gdiplus::Brush& brush) {
        if (path != nullptr) {
            FillPath(canvas, brush, *path);
        } else {
            Note(canvas, canvas.graphics->FillRectangle(&brush, x, y, w, h));
        }
    };
    if (plan.solid) {
        const Gdiplus::SolidBrush brush(ToColor(plan.colours.front()));
        Note(canvas, brush.GetLastStatus());
        fill(brush);
        return;
    }
    Gdiplus::LinearGradientBrush brush(ToPointF(plan.start), ToPointF(plan.end),
                                       ToColor(plan.colours.front()), ToColor(plan.colours.back()));
    Note(canvas, brush.GetLastStatus());
    Note(canvas, brush.SetWrapMode(Gdiplus::WrapModeTileFlipXY));
    std::vector<Gdiplus::Color> blend;
    blend.reserve(plan.colours.size());
    for (Argb c : plan.colours) blend.push_back(ToColor(c));
    Note(canvas, brush.SetInterpolationColors(blend.data(), plan.positions.data(),
                                              static_cast<INT>(blend.size())));
    fill(brush);
}
