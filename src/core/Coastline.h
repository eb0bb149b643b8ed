#pragma once
// The built-in base map: 332 outline points in map units, kept in arrays of
// 341 slots. A point whose x or y is not greater than 0 lifts the pen, so the
// table is a sequence of polylines.

#include <array>

namespace nimbara {

inline constexpr int kCoastlinePointCount = 332;
inline constexpr int kCoastlineSlots = 341;

struct CoastlineTable {
  std::array<float, kCoastlineSlots> x{};
  std::array<float, kCoastlineSlots> y{};
};

const CoastlineTable& Coastline();

}  // namespace nimbara
