#pragma once
// What lies under the chart: the paper, a 10-degree graticule with its
// degrees written at the map's edge, and the coast. Also the small helpers the
// other chart layers draw their lines with.

#include <span>

#include "canvas/Canvas.h"
#include "core/ObservationStore.h"
#include "core/PathGeometry.h"

namespace nimbara::chart {

// The map units of the map's view.
Box ViewBox(const Canvas& canvas);
// All the Canvas shows, in map units: the map's view and any frame round it.
Box CanvasBox(const Canvas& canvas);

// White paper over all the Canvas shows; over the frame only where a
// satellite picture or the sea's tint (`tinted`: the coast is drawn) will
// cover the map.
void DrawPaper(Canvas& canvas, bool tinted);

// The tinted land and sea (render/chart/ChartLand.h), the graticule and its
// degrees, then the shore.
void DrawGraticuleAndCoast(Canvas& canvas, const ObservationStore& store);

// A line `width` wide; over a satellite picture first an outline in white
// around it, so that it shows on dark and bright parts alike.
void StrokeLine(Canvas& canvas, std::span<const PointF> points, Colour colour, int width);

}  // namespace nimbara::chart
