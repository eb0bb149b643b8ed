#pragma once
// The pressure field drawn as a relief (pressure/PressureRelief.h).

#include "canvas/Canvas.h"
#include "core/PressureGrid.h"

namespace nimbara {

// Plane, corner posts and outline in the map colour, then the mesh in the
// isobar colour, with the current line width.
void DrawPressureRelief(Canvas& canvas, const PressureGrid& grid, Colour mapColour, Colour isobarColour);

}  // namespace nimbara
