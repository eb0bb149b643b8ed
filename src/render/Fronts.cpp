#include "render/Fronts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "core/CodeTables.h"
#include "core/MapView.h"
#include "core/Numbers.h"
#include "render/HalfDisc.h"

namespace nimbara {

namespace {

constexpr int kFrontLineWidth = 2;
constexpr int kNormalLineWidth = 1;
constexpr float kSteepTriangleAngle = 1.178097f;  // 3π/8: steeper cold segments point their apex east
constexpr double kFlatArcStart = 0.01;          // 0 itself cannot carry the radius mark
constexpr double kColdHeightFactor = 4.0 / 3.0;
// No view reaches ten map widths east of the map; a corrupted file's far-off
// point must not keep the symbol loop (and the drawing) going for ever.
constexpr std::int64_t kFarthestSymbolX = 10 * static_cast<std::int64_t>(kMapSize);

// One segment ordered west to east, with the line y = m·X + b through it and
// the abscissa step q of one symbol period.
struct Segment {
  std::int32_t x1, y1, x2, y2;
  float m = 0;
  float b = 0;
  float theta = 0;
  double q = 0;

  PointF At(std::int64_t x) const { return {static_cast<double>(x), m * static_cast<double>(x) + b}; }
  std::int64_t Step() const { return RoundToInt(q); }
};

bool AllPositive(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  return x1 > 0 && y1 > 0 && x2 > 0 && y2 > 0;
}

// Orders the end points west to east; only for segments that are not vertical.
Segment MakeSegment(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int16_t spacing) {
  if (x1 > x2) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  Segment s{x1, y1, x2, y2};
  const double dx = static_cast<double>(x2) - x1;
  const double dy = static_cast<double>(y2) - y1;
  s.m = static_cast<float>(dy / dx);
  s.b = static_cast<float>(y1 - static_cast<double>(s.m) * x1);
  s.theta = static_cast<float>(std::atan(static_cast<double>(s.m)));
  const double length = std::sqrt(dx * dx + dy * dy);
  s.q = std::max(1.0, dx / (length / spacing));
  return s;
}

// Calls `draw` at every whole abscissa from rnd(from) to rnd(to), one period apart.
template <typename Draw>
void ForEachSymbol(const Segment& s, double from, double to, Draw draw) {
  const std::int64_t last = std::min<std::int64_t>(RoundToInt(to), kFarthestSymbolX);
  for (std::int64_t x = RoundToInt(from); x <= last; x += s.Step()) draw(s.At(x));
}

void HalfDiscs(Canvas& canvas, const Segment& s, std::int16_t size, Colour colour, ArcAngles arc) {
  ForEachSymbol(s, s.x1 + 3 * s.q / 4, s.x2 - s.q / 4,
                [&](PointF p) { canvas.Circle(p, size, colour, arc); });
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

}  // namespace

void DrawWarmFront(Canvas& canvas, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                   std::int16_t size, std::int16_t spacing, Colour colour) {
  SetSolidFill(canvas, colour);
  if (!AllPositive(x1, y1, x2, y2)) return;
  SegmentLine(canvas, x1, y1, x2, y2, colour);
  if (x1 == x2) return;
  const Segment s = MakeSegment(x1, y1, x2, y2, spacing);
  // The half-discs lie on the north side: from α to α + π, α = −θ.
  const ArcAngles arc = s.m > 0    ? ClosedSector(2 * kPi - s.theta, kPi - s.theta)
                        : s.m == 0 ? ClosedSector(kFlatArcStart, kPi)
                                   : ClosedSector(-s.theta, kPi - s.theta);
  HalfDiscs(canvas, s, size, colour, arc);
}

void DrawColdFront(Canvas& canvas, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                   std::int16_t size, std::int16_t spacing, Colour colour) {
  SetSolidFill(canvas, colour);
  canvas.SetForeColour(colour);
  if (!AllPositive(x1, y1, x2, y2)) return;
  SegmentLine(canvas, x1, y1, x2, y2, colour);
  if (x1 == x2 || y1 == y2) return;
  const Segment s = MakeSegment(x1, y1, x2, y2, spacing);
  const double h = RoundToInt(kColdHeightFactor * size);
  const double c = std::cos(static_cast<double>(s.theta));
  const double n = std::sin(static_cast<double>(s.theta));
  // Triangles on the south side; past 67.5 degrees the apex turns east instead.
  const bool steep = s.theta > kSteepTriangleAngle;
  ForEachSymbol(s, s.x1 + s.q / 4, s.x2 - 3 * s.q / 4, [&](PointF p) {
    Triangle(canvas, p, h * c, h * n, steep ? h * n : -h * n, h * c);
  });
}

void DrawOccludedFront(Canvas& canvas, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                       std::int16_t size, std::int16_t spacing, Colour colour) {
  const bool placed = AllPositive(x1, y1, x2, y2);
  if (placed) {
    SegmentLine(canvas, x1, y1, x2, y2, colour);
  }
  canvas.SetForeColour(colour);
  SetSolidFill(canvas, colour);
  if (!placed || x1 == x2) return;
  const Segment s = MakeSegment(x1, y1, x2, y2, spacing);
  // Half-discs and triangles alternate on the east side (below a level segment).
  const ArcAngles arc = s.m > 0    ? ClosedSector(2 * kPi - s.theta, kPi - s.theta)
                        : s.m == 0 ? ClosedSector(kPi, kFlatArcStart)
                                   : ClosedSector(kPi - s.theta, -s.theta);
  HalfDiscs(canvas, s, size, colour, arc);
  if (s.y1 == s.y2) return;
  const double c = size * std::cos(static_cast<double>(s.theta));
  const double n = size * std::sin(static_cast<double>(s.theta));
  const double east = s.m > 0 ? 1.0 : -1.0;  // the apex side, the same as the half-discs'
  ForEachSymbol(s, s.x1 + s.q / 4, s.x2 - s.q / 2,
                [&](PointF p) { Triangle(canvas, p, -c, -n, east * n, -east * c); });
}

namespace {

struct FrontKind {
  std::string_view name;
  ColourSlot colour;
  void (*draw)(Canvas&, const SystemPoint&, const SystemPoint&, Colour);
};

void WarmSegment(Canvas& canvas, const SystemPoint& a, const SystemPoint& b, Colour colour) {
  DrawWarmFront(canvas, a.x, a.y, b.x, b.y, kFrontSymbolSize, kFrontSpacing, colour);
}
void ColdSegment(Canvas& canvas, const SystemPoint& a, const SystemPoint& b, Colour colour) {
  DrawColdFront(canvas, a.x, a.y, b.x, b.y, kFrontSymbolSize, kFrontSpacing, colour);
}
void StationarySegment(Canvas& canvas, const SystemPoint& a, const SystemPoint& b, Colour colour) {
  DrawWarmFront(canvas, a.x, a.y, b.x, b.y, kFrontSymbolSize, kWideFrontSpacing, colour);
  DrawColdFront(canvas, a.x, a.y, b.x, b.y, kFrontSymbolSize, kWideFrontSpacing, colour);
}
void OccludedSegment(Canvas& canvas, const SystemPoint& a, const SystemPoint& b, Colour colour) {
  DrawOccludedFront(canvas, a.x, a.y, b.x, b.y, kFrontSymbolSize, kWideFrontSpacing, colour);
}

constexpr std::array<FrontKind, 4> kFrontKinds = {{
    {kind::kWarmFront, kWarmFrontColour, WarmSegment},
    {kind::kColdFront, kColdFrontColour, ColdSegment},
    {kind::kStationaryFront, kStationaryFrontColour, StationarySegment},
    {kind::kOccludedFront, kOccludedFrontColour, OccludedSegment},
}};

}  // namespace

void DrawFrontLayer(Canvas& canvas, std::span<const SystemPoint> systems, const ColourSlots& colours) {
  canvas.SetLineWidth(kFrontLineWidth);
  for (std::size_t i = 0; i + 1 < systems.size(); ++i) {
    for (const FrontKind& front : kFrontKinds) {
      if (systems[i].kind == front.name && systems[i + 1].kind == front.name) {
        front.draw(canvas, systems[i], systems[i + 1], colours[front.colour]);
      }
    }
  }
  canvas.SetLineWidth(kNormalLineWidth);
}

}  // namespace nimbara
