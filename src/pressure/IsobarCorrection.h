#pragma once
// Hand correction of the pressure grid: one node raised or lowered, the
// isobars of the four cells around it redrawn at once.

#include <cstdint>
#include <string>

#include "core/Canvas.h"
#include "core/PressureGrid.h"
#include "pressure/NearestNode.h"

namespace nimbara {

inline constexpr std::int32_t kLeftButtonStep = 200;   // 2 hPa
inline constexpr std::int32_t kOtherButtonStep = 50;   // 0.5 hPa

// Erases the cells around the node (white squares) and contours them again
// with the line width last set on the Canvas. Cells tracing never contours
// (at the grid's border) are left alone.
void RedrawAroundNode(Canvas& canvas, const PressureGrid& grid, GridNode node, float interval,
                      float startOffset, Colour isobarColour);

// A grid value in hPa as a decimal number: 101250 -> "1012.5", 101300 -> "1013".
std::string HectopascalText(std::int32_t gridValue);

}  // namespace nimbara
