#pragma once
// Isobars traced cell by cell over the pressure grid (marching squares with
// linear interpolation along the cell edges), then the marks of the
// pressure centres.

#include <vector>

#include "core/Canvas.h"
#include "core/ObservationStore.h"
#include "core/PlotPoints.h"
#include "core/PressureGrid.h"

namespace nimbara {

// What the centre marks are read from: the system entries' kinds and places.
struct CentreMarkSource {
  const ObservationStore& store;
  const PlotPointTable& plot;
  Colour textColour;
};

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

// Whether a cell's segments set the line width by their level (3 at every
// 20 hPa, 1 otherwise) or keep the width last set on the Canvas.
enum class LevelWidth { ByLevel, Keep };

// The contour lines of one cell (ContourCellSegments) drawn on the Canvas,
// their ends rounded to whole map units.
void ContourCell(Canvas& canvas, const PressureGrid& grid, int column, int row, float interval,
                 float startOffset, Colour isobarColour, LevelWidth width);

// Whether a cell with this upper-left node is one that tracing contours
// (its corners all interior nodes).
bool IsContouredCell(int column, int row);

// Every contoured cell, then the centre marks. Leaves line width 1, bold
// font and font size 16.
void TraceIsobars(Canvas& canvas, const PressureGrid& grid, float interval, float startOffset,
                  Colour isobarColour, const CentreMarkSource& marks);

// "高", "低", "台" and "熱低" at their centres, each written in black, then
// white, then the text colour, slightly offset so the mark stays readable
// over satellite pictures. A centre off the map gets no mark.
void DrawCentreMarks(Canvas& canvas, const CentreMarkSource& marks);

}  // namespace nimbara
