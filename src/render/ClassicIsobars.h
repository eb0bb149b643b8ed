#pragma once
// The classic map's isobars: the traced pieces drawn as lines, bold every
// 20 hPa, then the marks of the pressure centres; and the cells around a
// node drawn again while the grid is corrected by hand.

#include "canvas/Canvas.h"
#include "core/ObservationStore.h"
#include "core/PlotPoints.h"
#include "core/PressureGrid.h"
#include "pressure/NearestNode.h"

namespace nimbara {

// What the centre marks are read from: the system entries' kinds and places.
struct CentreMarkSource {
  const ObservationStore& store;
  const PlotPointTable& plot;
  Colour textColour;
};

// Every contoured cell, then the centre marks. Leaves line width 1, bold
// font and font size 16.
void TraceIsobars(Canvas& canvas, const PressureGrid& grid, float interval, float startOffset,
                  Colour isobarColour, const CentreMarkSource& marks);

// "高", "低", "台" and "熱低" at their centres, each written in black, then
// white, then the text colour, slightly offset so the mark stays readable
// over satellite pictures.
void DrawCentreMarks(Canvas& canvas, const CentreMarkSource& marks);

// Erases the cells around the node (white squares) and contours them again
// with the line width last set on the Canvas. Cells tracing never contours
// (at the grid's border) are left alone.
void RedrawAroundNode(Canvas& canvas, const PressureGrid& grid, GridNode node, float interval,
                      float startOffset, Colour isobarColour);

}  // namespace nimbara
