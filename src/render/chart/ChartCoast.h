#pragma once
// The chart style's coast: the real shorelines at low resolution, in map
// units, generated once by tools/chart-coastline (not read at run time).

#include <cstddef>
#include <span>

#include "canvas/Canvas.h"
#include "core/MapView.h"
#include "core/PathGeometry.h"

namespace nimbara::chart {

enum class CoastKind { Land, Lake };

// One closed ring of shore, its first point repeated last: `count` points
// from `first` of CoastPoints(). Rings are filled as they are listed, land
// first, so a lake is filled over the land round it.
struct CoastRing {
  std::size_t first;
  std::size_t count;
  CoastKind kind;
};

// The box the rings were clipped to: a ring the map's edge cuts is closed
// along the box's sides, and those sides are no shore.
inline constexpr Box kCoastBox{0, 0, kMapSize, kMapSize};

std::span<const PointF> CoastPoints();
std::span<const CoastRing> CoastRings();

}  // namespace nimbara::chart
