#pragma once
// The whole computation of the pressure grid from the current observations.

#include "core/ObservationStore.h"
#include "core/PlotPoints.h"
#include "core/PressureGrid.h"

namespace nimbara {

// Rebuilds the plot points and runs every pass in its order. Observation sets
// that can never fill enough cells (a single reporting station) end the
// extrapolation once a round fills no new cell: the grid is then marked
// incomplete and false is returned.
bool ComputePressureGrid(ObservationStore& store, PlotPointTable& plot, PressureField& field);

}  // namespace nimbara
