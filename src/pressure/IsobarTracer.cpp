#include "pressure/IsobarTracer.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/Numbers.h"
#include "pressure/CentreKinds.h"

namespace nimbara {

namespace {

constexpr float kLowestTraced = 800.0f * kPressureScale;    // exclusive
constexpr float kHighestTraced = 1200.0f * kPressureScale;  // exclusive
constexpr float kEpsDivisor = 1000.0f;
constexpr std::int32_t kThickLevelSpacing = 2000;  // every 20 hPa
constexpr int kThickWidth = 3;
constexpr float kSpacing = static_cast<float>(kNodeSpacing);
constexpr int kLastContouredIndex = kGridLast - 2;

constexpr double kMarkFontSize = 16.0;
constexpr double kShadowOffset = 4.5;
constexpr double kLightOffset = 5.5;
constexpr double kMarkOffset = 5.0;

struct Crossing {
  std::int32_t x;
  std::int32_t y;
};

bool IsTraced(float value) { return value > kLowestTraced && value < kHighestTraced; }

std::int64_t SquaredDistance(Crossing a, Crossing b) {
  const std::int64_t dx = a.x - b.x;
  const std::int64_t dy = a.y - b.y;
  return dx * dx + dy * dy;
}

void DrawSegment(Canvas& canvas, Crossing a, Crossing b, Colour colour) {
  canvas.Line({static_cast<double>(a.x), static_cast<double>(a.y)},
              {static_cast<double>(b.x), static_cast<double>(b.y)}, colour);
}

}  // namespace

bool IsContouredCell(int column, int row) {
  return column >= 1 && column <= kLastContouredIndex && row >= 1 && row <= kLastContouredIndex;
}

void ContourCell(Canvas& canvas, const PressureGrid& grid, int column, int row, float interval,
                 float startOffset, Colour isobarColour, LevelWidth width) {
  const float ul = static_cast<float>(grid.At(column, row));
  const float ur = static_cast<float>(grid.At(column + 1, row));
  const float lr = static_cast<float>(grid.At(column + 1, row + 1));
  const float ll = static_cast<float>(grid.At(column, row + 1));
  if (!IsTraced(ul) || !IsTraced(ur) || !IsTraced(lr) || !IsTraced(ll)) return;
  if (ul == ur && ur == lr && lr == ll) return;
  const std::int32_t step = RoundToInt(interval);
  if (step <= 0) return;
  const float lo = std::min({ul, ur, lr, ll});
  const float hi = std::max({ul, ur, lr, ll});
  const float eps = (hi - lo) / kEpsDivisor;
  const float first = interval * static_cast<float>(RoundToInt(lo + startOffset) / step);
  const float last = interval * static_cast<float>(RoundToInt(hi) / step);
  const float left = kSpacing * static_cast<float>(column);
  const float top = kSpacing * static_cast<float>(row);
  for (float level = first; level <= last; level += interval) {
    if (level < lo || level > hi) continue;
    // A corner exactly on the level counts as above it.
    const auto difference = [&](float corner) { return corner == level ? eps : corner - level; };
    const float eUL = difference(ul);
    const float eUR = difference(ur);
    const float eLR = difference(lr);
    const float eLL = difference(ll);
    std::array<Crossing, 4> points{};
    int found = 0;
    if (eUL * eUR < 0) points[found++] = {RoundToInt(left - kSpacing * eUL / (ur - ul)), RoundToInt(top)};
    if (eLR * eUR < 0)
      points[found++] = {RoundToInt(left + kSpacing), RoundToInt(top - kSpacing * eUR / (lr - ur))};
    if (eLL * eLR < 0)
      points[found++] = {RoundToInt(left + kSpacing * eLL / (ll - lr)), RoundToInt(top + kSpacing)};
    if (eLL * eUL < 0) points[found++] = {RoundToInt(left), RoundToInt(top + kSpacing * eUL / (ul - ll))};
    if (found < 2) continue;
    if (width == LevelWidth::ByLevel)
      canvas.SetLineWidth(RoundToInt(level) % kThickLevelSpacing == 0 ? kThickWidth : kThinLineWidth);
    if (found < 4) {
      DrawSegment(canvas, points[0], points[1], isobarColour);
    } else if (SquaredDistance(points[0], points[1]) >= SquaredDistance(points[0], points[3])) {
      DrawSegment(canvas, points[0], points[3], isobarColour);
      DrawSegment(canvas, points[1], points[2], isobarColour);
    } else {
      DrawSegment(canvas, points[2], points[3], isobarColour);
      DrawSegment(canvas, points[0], points[1], isobarColour);
    }
  }
}

void TraceIsobars(Canvas& canvas, const PressureGrid& grid, float interval, float startOffset,
                  Colour isobarColour, const CentreMarkSource& marks) {
  for (int r = 1; r <= kLastContouredIndex; ++r)
    for (int c = 1; c <= kLastContouredIndex; ++c)
      ContourCell(canvas, grid, c, r, interval, startOffset, isobarColour, LevelWidth::ByLevel);
  DrawCentreMarks(canvas, marks);
}

void DrawCentreMarks(Canvas& canvas, const CentreMarkSource& marks) {
  canvas.SetLineWidth(kThinLineWidth);
  canvas.SetFontBold(true);
  canvas.SetFontSize(kMarkFontSize);
  for (int i = std::max(FirstSystemSlot(marks.store), 0); i <= marks.plot.lastIndex; ++i) {
    const std::string_view mark = CentreMark(PlotName(marks.store, i));
    const MapPoint at = PlotPosition(marks.plot, i);
    if (mark.empty() || !HasMapPosition(at)) continue;
    const std::array<std::pair<Colour, double>, 3> copies = {
        {{kBlack, kShadowOffset}, {kWhite, kLightOffset}, {marks.textColour, kMarkOffset}}};
    for (const auto& [colour, offset] : copies) {
      canvas.SetForeColour(colour);
      canvas.Text({at.x - offset, at.y - offset}, mark);
    }
  }
}

}  // namespace nimbara
