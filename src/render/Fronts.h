#pragma once
// Fronts: straight segments between neighbouring front points of one kind,
// decorated with half-discs (warm), triangles (cold), both on opposite sides
// (stationary) or both alternating on one side (occluded).

#include <cstdint>
#include <span>
#include <string_view>

#include "canvas/Canvas.h"
#include "core/Colour.h"

namespace nimbara {

inline constexpr std::int16_t kFrontSymbolSize = 4;
inline constexpr std::int16_t kFrontSpacing = 20;
inline constexpr std::int16_t kWideFrontSpacing = 27;  // 20 × 4 / 3, for the fronts with two symbols

// A system entry as the front layer sees it: its kind name and map position
// ((0, 0) when it has none).
struct SystemPoint {
  std::string_view kind;
  std::int32_t x = 0;
  std::int32_t y = 0;
};

// The segment routines. End points not all greater than 0 draw nothing but
// (occluded) set the colours; a segment of no length draws only its line. On
// a vertical segment the warm half-discs stand west, the cold triangles and
// the occluded symbols east, spaced along it as on any other.
void DrawWarmFront(Canvas& canvas, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                   std::int16_t size, std::int16_t spacing, Colour colour);
void DrawColdFront(Canvas& canvas, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                   std::int16_t size, std::int16_t spacing, Colour colour);
void DrawOccludedFront(Canvas& canvas, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                       std::int16_t size, std::int16_t spacing, Colour colour);

// Every pair of neighbouring system entries of the same front kind becomes one
// segment; a change of kind ends a front. Draws 2 wide and leaves width 1.
void DrawFrontLayer(Canvas& canvas, std::span<const SystemPoint> systems, const ColourSlots& colours);

}  // namespace nimbara
