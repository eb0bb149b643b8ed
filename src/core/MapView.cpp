#include "core/MapView.h"

#include <cmath>

namespace nimbara {
namespace {
float UsableExtent(float extent) { return std::isfinite(extent) && extent != 0.0f ? extent : kMapSize; }
float UsableOffset(float offset) { return std::isfinite(offset) ? offset : 0.0f; }
}  // namespace

MapView UsableMapView(MapView view) {
  return {UsableOffset(view.top), UsableOffset(view.left), UsableExtent(view.width),
          UsableExtent(view.height)};
}

}  // namespace nimbara
