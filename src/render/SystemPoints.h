#pragma once
// The system entries in list order as the front layer reads them.

#include <vector>

#include "core/ObservationStore.h"
#include "core/PlotPoints.h"
#include "render/Fronts.h"

namespace nimbara {

// From the plot table (slots S + P on), with the kind names it shares with the
// station table. The table is what the pressure grid was computed or loaded
// from, so it is the one to read while the grid is valid.
std::vector<SystemPoint> SystemPointsFromPlotTable(const ObservationStore& store, const PlotPointTable& plot);

// Straight from the store's entries, projected: the same points the plot
// table holds right after it has been rebuilt.
std::vector<SystemPoint> SystemPointsFromStore(const ObservationStore& store);

}  // namespace nimbara
