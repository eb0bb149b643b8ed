#pragma once
// The plot-point table: stations, then ships, then system entries, merged
// into map positions for the pressure grid and the renderers.

#include <array>
#include <cstdint>
#include <string>

#include "core/ObservationStore.h"
#include "core/PressureGrid.h"
#include "core/Projection.h"

namespace nimbara {

struct PlotPointTable {
  SlotArray<std::int32_t> x{};
  SlotArray<std::int32_t> y{};
  SlotArray<std::int32_t> pressure{};  // hundredths of hPa, 0 missing
  int lastIndex = -1;  // S + P + Q - 1
  bool operator==(const PlotPointTable&) const = default;
};

// The name of a plot slot. The names share their storage with the station
// table: station slots hold station names, system slots the kind names.
inline const std::string& PlotName(const ObservationStore& store, int slot) {
  return store.stations.names[slot];
}

// The map position of a plot slot; see HasMapPosition for a slot without one.
inline MapPoint PlotPosition(const PlotPointTable& table, int slot) {
  return {table.x[slot], table.y[slot]};
}

// Index of the first system entry in the table: S + P.
inline int FirstSystemSlot(const ObservationStore& store) { return store.stationCount + store.shipCount; }

// Rebuilds the table from the store (writing the system kinds into the shared
// name table) and clears the pressure grid and its work copy.
void BuildPlotPoints(ObservationStore& store, PlotPointTable& table, PressureField& field);

}  // namespace nimbara
