#pragma once
// Straight lines handed over as geometry, drawn one by one.

#include <span>

#include "canvas/Canvas.h"
#include "core/PathGeometry.h"

namespace nimbara {

// Each line in `colour` with the current line width, in order.
void DrawLines(Canvas& canvas, std::span<const LineSegment> lines, Colour colour);

}  // namespace nimbara
