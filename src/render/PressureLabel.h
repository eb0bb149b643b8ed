#pragma once
// The pressure written onto the map where the user clicks (no click mode set).

#include "canvas/Canvas.h"
#include "core/PressureGrid.h"

namespace nimbara {

// Writes the label of the nearest node at a click inside the map square
// (pressure/PressureReadout.h), in white outlined in black; clicks outside it
// draw nothing.
void ShowPressureAtClick(Canvas& canvas, const PressureGrid& grid, double x, double y);

}  // namespace nimbara
