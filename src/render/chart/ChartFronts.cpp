#include "render/chart/ChartFronts.h"

#include <array>
#include <cmath>
#include <optional>
#include <string_view>

#include "core/Projection.h"
#include "render/HalfDisc.h"
#include "render/chart/ChartBase.h"
#include "render/chart/ChartPalette.h"

namespace nimbara::chart {
namespace {

constexpr double kDiscRadius = 4.0;
constexpr double kTriangleHalfBase = 4.5;
constexpr double kTriangleHeight = kFrontSymbolReach;
constexpr int kPiecesPerSpan = 8;
constexpr double kSmallestArcStart = 1e-4;  // a sector cannot start at 0 itself

// The sides the symbols face on the screen (y grows southward), one rule with
// the classic segments: warm half-discs north (west on a north-south front);
// cold triangles south, but east once the front runs steeper than 67.5
// degrees (3/8 of a half turn); occluded symbols east (south on a level front);
// a stationary front's half-discs across from its triangles. kTie tips a
// front along an axis to the side the classic style takes.
constexpr double kTie = 1e-6;
constexpr PointF kWarmAdvance{-kTie, -1};
constexpr PointF kColdAdvance{0.38268343236508984, 0.9238795325112867};  // cos, sin of 3/8 pi
constexpr PointF kOccludedAdvance{1, kTie};

std::optional<FrontKind> FrontOf(const SystemPoint& p) {
  const SystemKind* row = SystemKindNamed(p.kind);
  if (row == nullptr || row->shape != SystemShape::Front || !HasMapPosition({p.x, p.y})) return std::nullopt;
  return row->front;
}

// +1 when the side left of the run's direction (as seen on the screen) faces
// `advance`, else -1: the whole run keeps its symbols on that one side.
int SideFacing(std::span<const PointF> points, PointF advance) {
  const double dx = points.back().x - points.front().x;
  const double dy = points.back().y - points.front().y;
  return dy * advance.x - dx * advance.y >= 0 ? 1 : -1;
}

PointF Normal(PointF direction, int side) { return {side * direction.y, -side * direction.x}; }

void Triangle(Canvas& canvas, const PathPlace& place, int side) {
  const PointF t = place.direction;
  const PointF n = Normal(t, side);
  const PointF p = place.at;
  const std::array<PointF, 3> vertices = {PointF{p.x - kTriangleHalfBase * t.x, p.y - kTriangleHalfBase * t.y},
                                          PointF{p.x + kTriangleHeight * n.x, p.y + kTriangleHeight * n.y},
                                          PointF{p.x + kTriangleHalfBase * t.x, p.y + kTriangleHalfBase * t.y}};
  canvas.Polygon(vertices);
}

void HalfDisc(Canvas& canvas, const PathPlace& place, int side, Colour colour) {
  // Counter-clockwise on the screen from the direction whose left is the side.
  const PointF from = side > 0 ? place.direction : PointF{-place.direction.x, -place.direction.y};
  double start = std::fmod(std::atan2(-from.y, from.x) + 2 * kPi, 2 * kPi);
  if (start < kSmallestArcStart) start += 2 * kPi;
  canvas.Circle(place.at, kDiscRadius, colour, ClosedSector(start, start + kPi));
}

void SetColour(Canvas& canvas, Colour colour) {
  canvas.SetForeColour(colour);
  canvas.SetFillColour(colour);
  canvas.SetFillStyle(FillStyle::Solid);
}

Colour SymbolColour(FrontKind kind, bool triangle) {
  const SystemKind& row = RowOf(kind);
  return triangle ? row.chartTriangleColour : row.chartColour;
}

// Symbol i of a run: a triangle, or a half-disc.
bool IsTriangle(FrontKind kind, int i) {
  switch (kind) {
    case FrontKind::Warm: return false;
    case FrontKind::Cold: return true;
    case FrontKind::Stationary:
    case FrontKind::Occluded: return i % 2 == 0;
  }
  return true;
}

}  // namespace

std::vector<FrontRun> FrontRuns(std::span<const SystemPoint> systems) {
  std::vector<FrontRun> runs;
  std::optional<FrontRun> run;
  const auto close = [&] {
    if (run && run->points.size() > 1) runs.push_back(std::move(*run));
    run.reset();
  };
  for (const SystemPoint& p : systems) {
    const std::optional<FrontKind> kind = FrontOf(p);
    if (!kind || (run && run->kind != *kind)) close();
    if (!kind) continue;
    if (!run) run = FrontRun{*kind, {}};
    run->points.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
  }
  close();
  return runs;
}

int FrontSymbolCount(double length) { return std::max(1, static_cast<int>(std::lround(length / kFrontSymbolSpacing))); }

std::vector<Path> FrontCurves(std::span<const SystemPoint> systems) {
  std::vector<Path> curves;
  for (const FrontRun& run : FrontRuns(systems)) curves.push_back(SmoothThrough(run.points, kPiecesPerSpan));
  return curves;
}

void DrawFrontRun(Canvas& canvas, FrontKind kind, std::span<const PointF> points, const Box& area) {
  const Path curve = SmoothThrough(points, kPiecesPerSpan);
  if (curve.size() < 2) return;
  const PathMeasure measure(curve);
  const double length = measure.Length();
  const int count = FrontSymbolCount(length);
  const double step = length / count;
  const int warmSide = SideFacing(points, kWarmAdvance);
  const int coldSide = SideFacing(points, kColdAdvance);
  const int occludedSide = SideFacing(points, kOccludedAdvance);
  const auto stroke = [&](std::span<const PointF> piece, Colour colour) {
    for (const Path& inside : PartsInside(piece, area)) StrokeLine(canvas, inside, colour, kFrontWidth);
  };
  if (kind == FrontKind::Stationary) {
    for (int i = 0; i < count; ++i)
      stroke(measure.Between(i * step, (i + 1) * step), SymbolColour(kind, IsTriangle(kind, i)));
  } else {
    stroke(curve, SymbolColour(kind, true));
  }
  canvas.SetLineWidth(kThinLineWidth);
  for (int i = 0; i < count; ++i) {
    const PathPlace place = measure.At((i + 0.5) * step);
    if (!area.Contains(place.at)) continue;
    const bool triangle = IsTriangle(kind, i);
    const Colour colour = SymbolColour(kind, triangle);
    SetColour(canvas, colour);
    int side = coldSide;
    if (kind == FrontKind::Warm) side = warmSide;
    if (kind == FrontKind::Occluded) side = occludedSide;
    if (kind == FrontKind::Stationary && !triangle) side = -coldSide;
    if (triangle)
      Triangle(canvas, place, side);
    else
      HalfDisc(canvas, place, side, colour);
  }
  canvas.SetFillStyle(FillStyle::Transparent);
}

void DrawChartFronts(Canvas& canvas, std::span<const SystemPoint> systems) {
  const Box view = ViewBox(canvas);
  for (const FrontRun& run : FrontRuns(systems)) DrawFrontRun(canvas, run.kind, run.points, view);
}

}  // namespace nimbara::chart
