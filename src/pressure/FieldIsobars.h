#pragma once
// The isobars of the chart's analysis: every level a whole multiple of the
// interval, traced over the sampled field's cells (marching squares, linear
// along the cell edges, a saddle cell split by the mean of its corners),
// joined into whole lines and smoothed. The lines of one field never cross,
// and they run to the edges of the map square.

#include <vector>

#include "pressure/IsobarLines.h"
#include "pressure/PressureAnalysis.h"

namespace nimbara {

// `interval` in grid units (hPa x 100), as the isobar settings hold it.
std::vector<IsobarLine> FieldIsobars(const SampledField& field, float interval);

// The lines of one level only.
std::vector<IsobarLine> FieldIsobarsAt(const SampledField& field, float level);

}  // namespace nimbara
