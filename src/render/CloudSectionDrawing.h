#pragma once
// The cloud cross-section (imagery/CloudSection.h) read from the canvas's
// picture and drawn over it.

#include "canvas/Canvas.h"
#include "imagery/CloudSection.h"

namespace nimbara {

// Clears the drawn layers, reads the section along x from what is left (the
// picture over the background) and draws its frame and bars.
BrightnessProfile DrawNorthSouthSection(Canvas& canvas, double x);
// The same along y.
BrightnessProfile DrawEastWestSection(Canvas& canvas, double y);

}  // namespace nimbara
