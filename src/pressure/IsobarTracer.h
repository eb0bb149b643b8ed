#pragma once
// Isobars traced cell by cell over the pressure grid (marching squares with
// linear interpolation along the cell edges).

#include <vector>

#include "core/PressureGrid.h"
#include "core/Projection.h"

namespace nimbara {

// One piece of an isobar inside a cell: its ends where the level crosses the
// cell's edges (linear along each edge, in map units, single precision; the
// map draws them rounded to whole units), and its level in grid units
// (hPa x 100). A corner exactly on the level counts as above it.
struct ContourSegment {
  PointF from;
  PointF to;
  float level = 0.0f;
};

// The isobar pieces of one cell, whose upper-left node is (column, row), in
// drawing order: levels upward; a saddle cell joins the crossings that lie
// closer together once rounded, in the order the map draws them. An interval
// that rounds to 0 or below has no levels; a cell with a corner outside 800
// to 1200 hPa, or with four equal corners, has no pieces.
std::vector<ContourSegment> ContourCellSegments(const PressureGrid& grid, int column, int row,
                                                float interval, float startOffset);

// Whether an isobar of this level is drawn bold: every 20 hPa.
bool IsThickLevel(float level);

// Whether a cell with this upper-left node is one that tracing contours
// (its corners all interior nodes).
bool IsContouredCell(int column, int row);

// The pieces of every contoured cell, cell after cell along each row, the
// rows downward.
std::vector<ContourSegment> TraceIsobarSegments(const PressureGrid& grid, float interval, float startOffset);

// A piece's end as the map draws it: rounded to whole map units.
PointF RoundedToUnits(PointF p);

}  // namespace nimbara
