#include "render/Fronts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "core/MapView.h"
#include "core/Numbers.h"
#include "core/SystemKind.h"
#include "render/HalfDisc.h"

namespace nimbara {

namespace {

constexpr int kFrontLineWidth = 2;
constexpr float kSteepTriangleAngle = 1.178097f;  // 3π/8: steeper cold segments point their apex east
constexpr double kFlatArcStart = 0.01;          // 0 itself cannot carry the radius mark
constexpr double kColdHeightFactor = 4.0 / 3.0;
// No view reaches ten map widths east of the map; a corrupted file's far-off
// point must not keep the symbol loop (and the drawing) going for ever.
constexpr std::int64_t kFarthestSymbolX = 10 * static_cast<std::int64_t>(kMapSize);

// One segment ordered west to east (a vertical one north to south), with the
// line y = m·X + b through it, the direction (cos θ, sin θ) from its first end
// to its second and the step q of one symbol period along its running
// coordinate: x, or y on a vertical segment.
struct Segment {
  std::int32_t x1, y1, x2, y2;
  bool vertical = false;
  float m = 0;
  float b = 0;
  float theta = 0;
  double cosTheta = 0;
  double sinTheta = 0;
  double q = 0;

  double First() const { return vertical ? y1 : x1; }
  double Last() const { return vertical ? y2 : x2; }
  PointF At(std::int64_t t) const {
    if (vertical) return {static_cast<double>(x1), static_cast<double>(t)};
    return {static_cast<double>(t), m * static_cast<double>(t) + b};
  }
  std::int64_t Step() const { return RoundToInt(q); }
};

bool AllPositive(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  return x1 > 0 && y1 > 0 && x2 > 0 && y2 > 0;
}

// Orders the end points west to east, or north to south on a vertical
// segment; nothing for a segment of no length, which carries no symbols.
std::optional<Segment> MakeSegment(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                                   std::int16_t spacing) {
  if (x1 == x2 && y1 == y2) return std::nullopt;
  if (x1 > x2 || (x1 == x2 && y1 > y2)) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  Segment s{x1, y1, x2, y2};
  const double dx = static_cast<double>(x2) - x1;
  const double dy = static_cast<double>(y2) - y1;
  const double length = std::sqrt(dx * dx + dy * dy);
  if (x1 == x2) {
    // Straight south: θ = π/2, exactly.
    s.vertical = true;
    s.sinTheta = 1;
    s.q = std::max(1.0, dy / (length / spacing));
    return s;
  }
  s.m = static_cast<float>(dy / dx);
  s.b = static_cast<float>(y1 - static_cast<double>(s.m) * x1);
  s.theta = static_cast<float>(std::atan(static_cast<double>(s.m)));
  s.cosTheta = std::cos(static_cast<double>(s.theta));
  s.sinTheta = std::sin(static_cast<double>(s.theta));
  s.q = std::max(1.0, dx / (length / spacing));
  return s;
}

// Calls `draw` at every whole running coordinate from rnd(first + fromStart·q)
// to rnd(last − fromEnd·q), one period apart.
template <typename Draw>
void ForEachSymbol(const Segment& s, double fromStart, double fromEnd, Draw draw) {
  const std::int64_t last = std::min<std::int64_t>(RoundToInt(s.Last() - fromEnd * s.q), kFarthestSymbolX);
  for (std::int64_t t = RoundToInt(s.First() + fromStart * s.q); t <= last; t += s.Step()) draw(s.At(t));
}

void HalfDiscs(Canvas& canvas, const Segment& s, std::int16_t size, Colour colour, ArcAngles arc) {
  ForEachSymbol(s, 3.0 / 4, 1.0 / 4, [&](PointF p) { canvas.Circle(p, size, colour, arc); });
}

void Triangle(Canvas& canvas, PointF p, double baseX, double baseY, double apexX, double apexY) {
  const std::array<PointF, 3> vertices = {
      PointF{p.x + baseX, p.y + baseY}, PointF{p.x + apexX, p.y + apexY}, PointF{p.x - baseX, p.y - baseY}};
  canvas.Polygon(vertices);
}

void SegmentLine(Canvas& canvas, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                 Colour colour) {
  canvas.Line({static_cast<double>(x1), static_cast<double>(y1)}, {static_cast<double>(x2), static_cast<double>(y2)},
              colour);
}

void SetSolidFill(Canvas& canvas, Colour colour) {
  canvas.SetFillColour(colour);
  canvas.SetFillStyle(FillStyle::Solid);
}

// Where a segment's half-discs stand: a warm front's on the north side, a
// stationary front's across from its triangles (which turn east on a steep
// segment, where north would put both symbols on one side).
enum class HalfDiscSide { North, AcrossFromTriangles };

bool TrianglesTurnEast(const Segment& s) { return s.vertical || s.theta > kSteepTriangleAngle; }

void DrawHalfDiscFront(Canvas& canvas, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                       std::int16_t size, std::int16_t spacing, Colour colour, HalfDiscSide side) {
  SetSolidFill(canvas, colour);
  if (!AllPositive(x1, y1, x2, y2)) return;
  SegmentLine(canvas, x1, y1, x2, y2, colour);
  const std::optional<Segment> s = MakeSegment(x1, y1, x2, y2, spacing);
  if (!s) return;
  // The half-discs lie on the north side: from α to α + π, α = −θ; on a
  // vertical segment on the west, across from the cold triangles.
  const bool southWest = side == HalfDiscSide::AcrossFromTriangles && !s->vertical && TrianglesTurnEast(*s);
  const ArcAngles arc = s->vertical ? ClosedSector(kPi / 2, 3 * kPi / 2)
                        : southWest ? ClosedSector(kPi - s->theta, 2 * kPi - s->theta)
                        : s->m > 0  ? ClosedSector(2 * kPi - s->theta, kPi - s->theta)
                        : s->m == 0 ? ClosedSector(kFlatArcStart, kPi)
                                    : ClosedSector(-s->theta, kPi - s->theta);
  HalfDiscs(canvas, *s, size, colour, arc);
}

}  // namespace

void DrawWarmFront(Canvas& canvas, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                   std::int16_t size, std::int16_t spacing, Colour colour) {
  DrawHalfDiscFront(canvas, x1, y1, x2, y2, size, spacing, colour, HalfDiscSide::North);
}

void DrawColdFront(Canvas& canvas, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                   std::int16_t size, std::int16_t spacing, Colour colour) {
  SetSolidFill(canvas, colour);
  canvas.SetForeColour(colour);
  if (!AllPositive(x1, y1, x2, y2)) return;
  SegmentLine(canvas, x1, y1, x2, y2, colour);
  const std::optional<Segment> s = MakeSegment(x1, y1, x2, y2, spacing);
  if (!s) return;
  const double h = RoundToInt(kColdHeightFactor * size);
  const double c = s->cosTheta;
  const double n = s->sinTheta;
  // Triangles on the south side; past 67.5 degrees (and on a vertical
  // segment) the apex turns east instead.
  const bool steep = TrianglesTurnEast(*s);
  ForEachSymbol(*s, 1.0 / 4, 3.0 / 4,
                [&](PointF p) { Triangle(canvas, p, h * c, h * n, steep ? h * n : -h * n, h * c); });
}

void DrawOccludedFront(Canvas& canvas, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                       std::int16_t size, std::int16_t spacing, Colour colour) {
  const bool placed = AllPositive(x1, y1, x2, y2);
  if (placed) {
    SegmentLine(canvas, x1, y1, x2, y2, colour);
  }
  canvas.SetForeColour(colour);
  SetSolidFill(canvas, colour);
  if (!placed) return;
  const std::optional<Segment> s = MakeSegment(x1, y1, x2, y2, spacing);
  if (!s) return;
  // Half-discs and triangles alternate on the east side (below a level segment).
  const ArcAngles arc = s->vertical ? ClosedSector(3 * kPi / 2, kPi / 2)
                        : s->m > 0  ? ClosedSector(2 * kPi - s->theta, kPi - s->theta)
                        : s->m == 0 ? ClosedSector(kPi, kFlatArcStart)
                                    : ClosedSector(kPi - s->theta, -s->theta);
  HalfDiscs(canvas, *s, size, colour, arc);
  const double c = size * s->cosTheta;
  const double n = size * s->sinTheta;
  const double east = s->vertical || s->m > 0 ? 1.0 : -1.0;  // the apex side, the same as the half-discs'
  ForEachSymbol(*s, 1.0 / 4, 1.0 / 2, [&](PointF p) { Triangle(canvas, p, -c, -n, east * n, -east * c); });
}

namespace {

using SegmentRoutine = void (*)(Canvas&, const SystemPoint&, const SystemPoint&, Colour);

void WarmSegment(Canvas& canvas, const SystemPoint& a, const SystemPoint& b, Colour colour) {
  DrawWarmFront(canvas, a.x, a.y, b.x, b.y, kFrontSymbolSize, kFrontSpacing, colour);
}
void ColdSegment(Canvas& canvas, const SystemPoint& a, const SystemPoint& b, Colour colour) {
  DrawColdFront(canvas, a.x, a.y, b.x, b.y, kFrontSymbolSize, kFrontSpacing, colour);
}
void StationarySegment(Canvas& canvas, const SystemPoint& a, const SystemPoint& b, Colour colour) {
  DrawHalfDiscFront(canvas, a.x, a.y, b.x, b.y, kFrontSymbolSize, kWideFrontSpacing, colour,
                    HalfDiscSide::AcrossFromTriangles);
  DrawColdFront(canvas, a.x, a.y, b.x, b.y, kFrontSymbolSize, kWideFrontSpacing, colour);
}
void OccludedSegment(Canvas& canvas, const SystemPoint& a, const SystemPoint& b, Colour colour) {
  DrawOccludedFront(canvas, a.x, a.y, b.x, b.y, kFrontSymbolSize, kWideFrontSpacing, colour);
}

SegmentRoutine RoutineOf(FrontKind front) {
  switch (front) {
    case FrontKind::Warm: return WarmSegment;
    case FrontKind::Cold: return ColdSegment;
    case FrontKind::Stationary: return StationarySegment;
    case FrontKind::Occluded: return OccludedSegment;
  }
  return WarmSegment;
}

}  // namespace

void DrawFrontLayer(Canvas& canvas, std::span<const SystemPoint> systems, const ColourSlots& colours) {
  canvas.SetLineWidth(kFrontLineWidth);
  for (std::size_t i = 0; i + 1 < systems.size(); ++i) {
    const SystemKind* row = SystemKindNamed(systems[i].kind);
    if (row != nullptr && row->shape == SystemShape::Front && systems[i + 1].kind == row->word)
      RoutineOf(row->front)(canvas, systems[i], systems[i + 1], colours[row->colour]);
  }
  canvas.SetLineWidth(kThinLineWidth);
}

}  // namespace nimbara
