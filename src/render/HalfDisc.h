#pragma once
// Closed half-discs: an arc of half a turn whose two radii are drawn too, so
// the Canvas fills it. Negative angles ask the Canvas for the radii.

#include <numbers>

#include "canvas/Canvas.h"

namespace nimbara {

inline constexpr double kPi = std::numbers::pi;

// The sector from `start` to `end` (radians, both greater than 0), closed by
// its radii; 0 itself cannot carry the radius mark, hence the 0.01 of callers.
inline ArcAngles ClosedSector(double start, double end) { return {-start, -end}; }

}  // namespace nimbara
