#pragma once
// The chart's isobars: smooth curves through the classic isobars' crossings,
// every 20 hPa bold, each with its value written in a gap of the line. The
// lines are drawn under the fronts, the values over them.

#include <span>
#include <vector>

#include "core/Canvas.h"
#include "core/IsobarInterval.h"
#include "core/PathGeometry.h"
#include "core/PressureGrid.h"
#include "pressure/IsobarLabels.h"

namespace nimbara::chart {

// What the labels must leave visible and what they should stay off.
struct LabelObstacles {
  std::vector<Box> keepClear;  // centre marks, title band, legend
  std::vector<Box> avoid;      // station symbols
  std::vector<Path> fronts;    // front curves
};

struct ChartIsobars {
  std::vector<IsobarLine> lines;  // cut where the labels go
  std::vector<IsobarLabel> labels;
};

// The isobars inside the view and outside `hidden` (what the frame covers),
// with their labels.
ChartIsobars LayOutChartIsobars(Canvas& canvas, const PressureGrid& grid, const IsobarInterval& isobar,
                                std::span<const Box> hidden, const LabelObstacles& obstacles);

void DrawIsobarLines(Canvas& canvas, const ChartIsobars& isobars);
void DrawIsobarLabels(Canvas& canvas, const ChartIsobars& isobars);

}  // namespace nimbara::chart
