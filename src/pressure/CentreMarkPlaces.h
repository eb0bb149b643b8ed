#pragma once
// Where the marks of the pressure centres stand on the classic map.

#include <string_view>
#include <vector>

#include "core/ObservationStore.h"
#include "core/PlotPoints.h"
#include "core/Projection.h"

namespace nimbara {

// A centre's mark ("高", "低", "台" or "熱低") and its centre.
struct CentreMarkPlace {
  PointF centre;
  std::string_view mark;
  bool operator==(const CentreMarkPlace&) const = default;
};

// The marks of the system entries in slot order; a station named like a
// kind, and a centre off the map, get none.
std::vector<CentreMarkPlace> CentreMarkPlaces(const ObservationStore& store, const PlotPointTable& plot);

}  // namespace nimbara
