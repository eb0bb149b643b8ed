#pragma once
// The pressure field as a relief: the grid drawn as a wire mesh in an oblique
// view above a flat plane at 1013 hPa that carries the base-map outline.

#include <vector>

#include "core/MapView.h"
#include "core/PathGeometry.h"
#include "core/PressureGrid.h"

namespace nimbara {

// The drawing position of map position (x, y) at pressure `gridValue`:
// (x - y / 2 + 200, (2/3) y - (P / 100 - 850) * 6 + 1040).
PointF ReliefPoint(float x, float y, std::int32_t gridValue);

// The relief's lines in drawing order: the plane's edges, its corner posts
// up or down to the nearest interior node and the base map's outline on it
// (the map colour's), then the mesh along the rows and along the columns.
struct ReliefLines {
  std::vector<LineSegment> planeAndOutline;
  std::vector<LineSegment> mesh;
};
ReliefLines PressureRelief(const PressureGrid& grid);

// A square view that shows the whole relief of this grid (it reaches right
// of the map's 400 units, and highs and lows rise and sink out of the plane).
MapView ReliefView(const PressureGrid& grid);

}  // namespace nimbara
