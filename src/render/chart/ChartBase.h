#pragma once
// What lies under the chart: the paper, a 10-degree graticule with its
// degrees written at the map's edge, and the coast. Also the small helpers the
// other chart layers draw their lines with.

#include <span>

#include "core/Canvas.h"
#include "core/PathGeometry.h"

namespace nimbara::chart {

// The map units the Canvas shows.
Box ViewBox(const Canvas& canvas);

// White paper over the whole view, unless a satellite picture lies there.
void DrawPaper(Canvas& canvas);

// The graticule and its degrees, then the coast.
void DrawGraticuleAndCoast(Canvas& canvas);

// A line `width` wide; over a satellite picture first an outline in white
// around it, so that it shows on dark and bright parts alike.
void StrokeLine(Canvas& canvas, std::span<const PointF> points, Colour colour, int width);

}  // namespace nimbara::chart
