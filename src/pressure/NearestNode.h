#pragma once
// The grid node nearest to a point on the map.

#include <optional>

namespace nimbara {

struct GridNode {
  int column = 0;
  int row = 0;
  bool operator==(const GridNode&) const = default;
};

// Column floor(x / 12 + 0.5), row floor(y / 12 + 0.5).
GridNode NodeAt(double x, double y);

// The node a correction click works on: nothing for a click right of or below
// the map (beyond 400) or so far left of or above it (below -6) that the node
// would lie outside the grid.
std::optional<GridNode> NearestNode(double x, double y);

}  // namespace nimbara
