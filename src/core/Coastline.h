#pragma once
// The built-in base map: 332 outline points in map units, kept in arrays of
// 341 slots. A point whose x or y is not greater than 0 lifts the pen, so the
// table is a sequence of polylines.

#include <array>
#include <vector>

namespace nimbara {

inline constexpr int kCoastlinePointCount = 332;
inline constexpr int kCoastlineSlots = 341;

struct CoastlineTable {
  std::array<float, kCoastlineSlots> x{};
  std::array<float, kCoastlineSlots> y{};
};

const CoastlineTable& Coastline();

// One line of the outline between two neighbouring points.
struct CoastSegment {
  float x1, y1, x2, y2;
};

// The outline as it is drawn: a segment between every two neighbouring
// points of which neither lifts the pen, so a pen-up mark suppresses both
// segments that touch it.
const std::vector<CoastSegment>& CoastSegments();

}  // namespace nimbara
