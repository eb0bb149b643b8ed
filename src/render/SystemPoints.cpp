#include "render/SystemPoints.h"

#include "core/Projection.h"
#include "render/SymbolLayers.h"

namespace nimbara {

std::vector<SystemPoint> SystemPointsFromPlotTable(const ObservationStore& store, const PlotPointTable& plot) {
  const PlotCounts counts = ClampedPlotCounts(store);
  const int first = counts.stations + counts.ships;
  std::vector<SystemPoint> points;
  for (int slot = first; slot < first + counts.systems; ++slot)
    points.push_back({PlotName(store, slot), plot.x[slot], plot.y[slot]});
  return points;
}

std::vector<SystemPoint> SystemPointsFromStore(const ObservationStore& store) {
  const PlotCounts counts = ClampedPlotCounts(store);
  std::vector<SystemPoint> points;
  for (int k = 0; k < counts.systems; ++k) {
    const SystemEntry& entry = store.systems[k];
    const MapPoint p = ProjectLatLon(entry.latitude, entry.longitude);
    points.push_back({entry.kind, p.x, p.y});
  }
  return points;
}

}  // namespace nimbara
