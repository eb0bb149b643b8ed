#pragma once
// The pressure field as a relief: the grid drawn as a wire mesh in an oblique
// view above a flat plane at 1013 hPa that carries the base-map outline.

#include "core/Canvas.h"
#include "core/MapView.h"
#include "core/PressureGrid.h"

namespace nimbara {

// The Canvas position of map position (x, y) at pressure `gridValue`:
// (x - y / 2 + 200, (2/3) y - (P / 100 - 850) * 6 + 1040).
PointF ReliefPoint(float x, float y, std::int32_t gridValue);

// Plane, corner posts and outline in the map colour, then the mesh along the
// rows and along the columns in the isobar colour, with the current line width.
void DrawPressureRelief(Canvas& canvas, const PressureGrid& grid, Colour mapColour, Colour isobarColour);

// A square view that shows the whole relief of this grid (it reaches right
// of the map's 400 units, and highs and lows rise and sink out of the plane).
MapView ReliefView(const PressureGrid& grid);

}  // namespace nimbara
