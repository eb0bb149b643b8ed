#pragma once
// The isobar layer of the map and the pressure-count check in front of every
// computation of the pressure grid.

#include "app/AppContext.h"

namespace nimbara {

// Station pressures needed before the grid is computed without asking.
inline constexpr int kEnoughStationPressures = 20;

// Said once when the pressures are too few (or too far apart) for the grid to
// be completed: the isobars are drawn only where it could be.
inline constexpr const char* kIncompleteGridText =
    "気圧のデータが少ないため、地図全体の気圧を計算できませんでした。";

// Stations 0 to S - 1 with a pressure; ships and systems do not count.
int StationPressureCount(const ObservationStore& store);

// True when the grid is valid or has just been computed. A stale grid is
// computed only after the station pressures are counted: none gives a
// message, fewer than 20 a question that must be answered Yes. A computation
// that cannot complete the grid says so and stands until the next change.
bool EnsurePressureGrid(const AppContext& app);

// TraceIsobars of the current grid with the state's interval and colours.
void TraceCurrentIsobars(const AppContext& app);

// The display pipeline's isobar layer: EnsurePressureGrid, then the isobars.
void DrawIsobarLayer(const AppContext& app);

}  // namespace nimbara
