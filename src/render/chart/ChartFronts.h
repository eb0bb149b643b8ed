#pragma once
// The chart's fronts: each run of neighbouring entries of one front kind is
// one smooth curve through its points, its symbols spaced evenly by length
// along the whole run and kept on one side of it.

#include <span>
#include <vector>

#include "canvas/Canvas.h"
#include "core/PathGeometry.h"
#include "core/SystemKind.h"
#include "render/Fronts.h"

namespace nimbara::chart {

struct FrontRun {
  FrontKind kind;
  Path points;  // two or more, in entry order
};

// Neighbouring entries of the same front kind with map positions, as runs.
std::vector<FrontRun> FrontRuns(std::span<const SystemPoint> systems);

// Map units of front per symbol.
inline constexpr double kFrontSymbolSpacing = 15.0;

// How many symbols a run of this length carries: one per spacing, at least one.
int FrontSymbolCount(double length);

// How far the symbols reach beside a front's curve, in map units.
inline constexpr double kFrontSymbolReach = 6.0;

// The curve each run is drawn along.
std::vector<Path> FrontCurves(std::span<const SystemPoint> systems);

// Draws the run: its curve (warm red, cold blue, occluded purple, stationary
// red and blue by turns) and its symbols on the sides the classic segments
// put them, judged by the run's chord: warm half-discs north (west on a
// north-south run), cold triangles south (east on a run steeper than 67.5
// degrees), occluded symbols east (south on a level run); stationary fronts
// alternate a triangle on the cold side and a half-disc across from it.
// Only the parts inside `area` are drawn. Leaves width 1.
void DrawFrontRun(Canvas& canvas, FrontKind kind, std::span<const PointF> points, const Box& area);

// The runs inside the map's view.
void DrawChartFronts(Canvas& canvas, std::span<const SystemPoint> systems);

}  // namespace nimbara::chart
