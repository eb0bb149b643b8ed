#include "pressure/IsobarTracer.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/Numbers.h"
#include "core/PathGeometry.h"

namespace nimbara {

namespace {

constexpr float kLowestTraced = 800.0f * kPressureScale;    // exclusive
constexpr float kHighestTraced = 1200.0f * kPressureScale;  // exclusive
constexpr float kEpsDivisor = 1000.0f;
constexpr std::int32_t kThickLevelSpacing = 2000;  // every 20 hPa
constexpr float kSpacing = static_cast<float>(kNodeSpacing);
constexpr int kLastContouredIndex = kGridLast - 2;

bool IsTraced(float value) { return value > kLowestTraced && value < kHighestTraced; }

}  // namespace

PointF RoundedToUnits(PointF p) {
  return {static_cast<double>(RoundToInt(p.x)), static_cast<double>(RoundToInt(p.y))};
}

bool IsThickLevel(float level) { return RoundToInt(level) % kThickLevelSpacing == 0; }

bool IsContouredCell(int column, int row) {
  return column >= 1 && column <= kLastContouredIndex && row >= 1 && row <= kLastContouredIndex;
}

std::vector<ContourSegment> ContourCellSegments(const PressureGrid& grid, int column, int row,
                                                float interval, float startOffset) {
  std::vector<ContourSegment> segments;
  const float ul = static_cast<float>(grid.At(column, row));
  const float ur = static_cast<float>(grid.At(column + 1, row));
  const float lr = static_cast<float>(grid.At(column + 1, row + 1));
  const float ll = static_cast<float>(grid.At(column, row + 1));
  if (!IsTraced(ul) || !IsTraced(ur) || !IsTraced(lr) || !IsTraced(ll)) return segments;
  if (ul == ur && ur == lr && lr == ll) return segments;
  const std::int32_t step = RoundToInt(interval);
  if (step <= 0) return segments;
  const float lo = std::min({ul, ur, lr, ll});
  const float hi = std::max({ul, ur, lr, ll});
  const float eps = (hi - lo) / kEpsDivisor;
  // The levels are whole multiples of the interval. Dividing a rounded
  // pressure by the rounded interval in integers counts the whole intervals
  // at or below it (pressures are positive, so the division rounds down);
  // the count times the interval itself is that multiple, so a fractional
  // interval keeps its own multiples. `last` is the multiple at or below hi.
  // For `first`, the start offset (half the interval) is added before
  // dividing, which gives the multiple nearest to lo instead of the one below
  // it: the loop starts at most one step short of the cell, and that step is
  // skipped by the range check below, so no level between lo and hi is lost.
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
    std::array<PointF, 4> points{};
    int found = 0;
    if (eUL * eUR < 0) points[found++] = {left - kSpacing * eUL / (ur - ul), top};
    if (eLR * eUR < 0) points[found++] = {left + kSpacing, top - kSpacing * eUR / (lr - ur)};
    if (eLL * eLR < 0) points[found++] = {left + kSpacing * eLL / (ll - lr), top + kSpacing};
    if (eLL * eUL < 0) points[found++] = {left, top + kSpacing * eUL / (ul - ll)};
    if (found < 2) continue;
    if (found < 4) {
      segments.push_back({points[0], points[1], level});
      continue;
    }
    // A saddle: the level crosses all four edges (points top, right, bottom,
    // left), two opposite corners lie above it and two below, and the corners
    // cannot tell which way the lines run: either pairing of neighbouring
    // crossings is a valid pair of lines. The top crossing is joined to the
    // nearer of its neighbours (measured between the rounded points the map
    // draws; a tie goes to the left one), which keeps the pieces short, and
    // the other two crossings to each other. The pieces come in the order
    // the map has always drawn them.
    if (SquaredDistance(RoundedToUnits(points[0]), RoundedToUnits(points[1])) >=
        SquaredDistance(RoundedToUnits(points[0]), RoundedToUnits(points[3]))) {
      segments.push_back({points[0], points[3], level});
      segments.push_back({points[1], points[2], level});
    } else {
      segments.push_back({points[2], points[3], level});
      segments.push_back({points[0], points[1], level});
    }
  }
  return segments;
}

std::vector<ContourSegment> TraceIsobarSegments(const PressureGrid& grid, float interval, float startOffset) {
  std::vector<ContourSegment> segments;
  for (int r = 1; r <= kLastContouredIndex; ++r)
    for (int c = 1; c <= kLastContouredIndex; ++c) {
      const std::vector<ContourSegment> cell = ContourCellSegments(grid, c, r, interval, startOffset);
      segments.insert(segments.end(), cell.begin(), cell.end());
    }
  return segments;
}

}  // namespace nimbara
