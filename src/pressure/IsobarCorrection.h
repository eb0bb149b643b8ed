#pragma once
// Hand correction of the pressure grid: one node raised or lowered, the
// isobars of the four cells around it redrawn at once.

#include <cstdint>
#include <string>
#include <vector>

#include "pressure/NearestNode.h"

namespace nimbara {

inline constexpr std::int32_t kLeftButtonStep = 200;   // 2 hPa
inline constexpr std::int32_t kOtherButtonStep = 50;   // 0.5 hPa

// The upper-left nodes of the cells around a node that tracing contours
// (none at the grid's border): the row above first, left before right.
std::vector<GridNode> ContouredCellsAround(GridNode node);

// A grid value in hPa as a decimal number: 101250 -> "1012.5", 101300 -> "1013".
std::string HectopascalText(std::int32_t gridValue);

}  // namespace nimbara
