#include "pressure/NearestNode.h"

#include <cmath>

#include "core/MapView.h"
#include "core/Numbers.h"
#include "core/PressureGrid.h"

namespace nimbara {

namespace {

// Half a node spacing: the farthest a click may lie outside the first node.
constexpr double kHalfSpacing = kNodeSpacing / 2.0;

}  // namespace

GridNode NodeAt(double x, double y) {
  const double spacing = kNodeSpacing;
  return {FloorToInt(x / spacing + 0.5), FloorToInt(y / spacing + 0.5)};
}

std::optional<GridNode> NearestNode(double x, double y) {
  if (!std::isfinite(x) || !std::isfinite(y)) return std::nullopt;
  if (x > kMapSize || y > kMapSize || x < -kHalfSpacing || y < -kHalfSpacing) return std::nullopt;
  return NodeAt(x, y);
}

}  // namespace nimbara
