#include "core/PlotPoints.h"

#include "core/Projection.h"

namespace nimbara {

void BuildPlotPoints(ObservationStore& store, PlotPointTable& table, PressureField& field) {
  const auto [stations, ships, systems] = ClampedPlotCounts(store);
  for (int i = 0; i < stations; ++i) {
    table.x[i] = store.stations.x[i];
    table.y[i] = store.stations.y[i];
    table.pressure[i] = ToGridUnits(store.stationRecords[i].pressure);
  }
  for (int j = 0; j < ships; ++j) {
    const ShipRecord& ship = store.ships[j];
    const MapPoint p = ProjectLatLon(ship.latitude, ship.longitude);
    table.x[stations + j] = p.x;
    table.y[stations + j] = p.y;
    table.pressure[stations + j] = ToGridUnits(ship.pressure);
  }
  for (int k = 0; k < systems; ++k) {
    const SystemEntry& entry = store.systems[k];
    const int slot = stations + ships + k;
    const MapPoint p = ProjectLatLon(entry.latitude, entry.longitude);
    table.x[slot] = p.x;
    table.y[slot] = p.y;
    table.pressure[slot] = ToGridUnits(entry.pressure);
    store.stations.names[slot] = entry.kind;
  }
  table.lastIndex = stations + ships + systems - 1;
  field.grid.ClearUsed();
  field.scratch.ClearUsed();
}

}  // namespace nimbara
