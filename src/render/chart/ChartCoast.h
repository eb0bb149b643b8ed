#pragma once
// The chart style's coast: the real shorelines at low resolution, in map
// units, generated once by tools/chart-coastline (not read at run time).

#include <cstddef>
#include <span>

#include "canvas/Canvas.h"

namespace nimbara::chart {

// One shore line: `count` points from `first` of CoastPoints(); a closed one
// (an island, a lake) repeats its first point last.
struct CoastRun {
  std::size_t first;
  std::size_t count;
};

std::span<const PointF> CoastPoints();
std::span<const CoastRun> CoastRuns();

}  // namespace nimbara::chart
