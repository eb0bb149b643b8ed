#pragma once
// The chart's isobars: the lines of its own analysis, every 20 hPa bold, each with its value written in a gap of the line. The
// lines are drawn under the fronts, the values over them.

#include <span>
#include <vector>

#include "canvas/Canvas.h"
#include "core/PathGeometry.h"
#include "pressure/IsobarLabels.h"

namespace nimbara::chart {

// What the labels must leave visible and what they should stay off.
struct LabelObstacles {
  std::vector<Box> keepClear;  // centre marks and texts
  std::vector<Box> avoid;      // station symbols
  std::vector<Path> fronts;    // front curves
};

struct ChartIsobars {
  std::vector<IsobarLine> lines;  // cut where the labels go
  std::vector<IsobarLabel> labels;  // on the lines, then along the frame where lines leave the map
};

// The parts of the lines inside the view, with their labels.
ChartIsobars LayOutChartIsobars(Canvas& canvas, std::span<const IsobarLine> lines, const LabelObstacles& obstacles);

void DrawIsobarLines(Canvas& canvas, const ChartIsobars& isobars);
void DrawIsobarLabels(Canvas& canvas, const ChartIsobars& isobars);

}  // namespace nimbara::chart
