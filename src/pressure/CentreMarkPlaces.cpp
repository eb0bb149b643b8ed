#include "pressure/CentreMarkPlaces.h"

#include <algorithm>

#include "core/SystemKind.h"

namespace nimbara {

std::vector<CentreMarkPlace> CentreMarkPlaces(const ObservationStore& store, const PlotPointTable& plot) {
  std::vector<CentreMarkPlace> places;
  for (int i = std::max(FirstSystemSlot(store), 0); i <= plot.lastIndex; ++i) {
    const std::string_view mark = CentreMark(PlotName(store, i));
    const MapPoint at = PlotPosition(plot, i);
    if (mark.empty() || !HasMapPosition(at)) continue;
    places.push_back({{static_cast<double>(at.x), static_cast<double>(at.y)}, mark});
  }
  return places;
}

}  // namespace nimbara
