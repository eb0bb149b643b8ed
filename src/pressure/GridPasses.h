#pragma once
// The passes that turn the plot points into the pressure grid. Each pass is a
// plain loop over columns and rows 0 to 33; the filling and smoothing passes
// read the grid as it stood when they began and write through the scratch
// grid, so none of them reads a value it wrote itself. A plot point without a
// map position (a ship or system entry off the map) takes part in none of them.

#include "core/ObservationStore.h"
#include "core/PlotPoints.h"
#include "core/PressureGrid.h"
#include "core/SystemKind.h"

namespace nimbara {

// Where a centre sits: rule A the node whose binning cell holds the point,
// rule B the nearest node.
enum class CentreRule { A, B };

// Mean of the plot points falling into each node's cell; flags the cells
// holding a high, low, typhoon or tropical-depression centre as fixed.
void BinObservations(const ObservationStore& store, const PlotPointTable& plot, PressureField& field);

// Writes the hand-placed isobar points at their nearest nodes and joins two
// consecutive points of equal value with a line of that value.
void ImprintIsobarPoints(const ObservationStore& store, const PlotPointTable& plot, PressureGrid& grid);

// Linear interpolation of each empty cell between the closest opposite pair
// of filled cells, each searched for up to five cells along an axis and three
// along a diagonal, through interior cells only.
void FillBetweenNeighbours(PressureField& field);

// Fills rings of radius 1 to `radius` around every centre of the kind set with
// the mean of the ring's filled cells.
void FillAroundCentres(const ObservationStore& store, const PlotPointTable& plot, PressureField& field,
                       int radius, CentreKinds kinds, CentreRule rule);

// The damped linear extrapolation towards an empty interior cell: 0 when no
// direction has two filled cells in a row.
std::int32_t ExtrapolateCell(const PressureGrid& grid, int column, int row);

// Extrapolates every empty interior cell. True once enough cells (32 x 32)
// hold a value greater than 0.
bool ExtrapolateOutward(PressureField& field);

// One smoothing pass; fixed cells keep their values.
void SmoothGrid(PressureField& field);

}  // namespace nimbara
