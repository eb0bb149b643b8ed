#pragma once
// The wind symbol: a shaft pointing where the wind comes from, with one
// feather per step of wind force.

#include <cstdint>
#include <optional>

#include "canvas/Canvas.h"
#include "core/Colour.h"
#include "core/SymbolSize.h"

namespace nimbara {

inline constexpr std::int16_t kMaxWindForce = 12;
inline constexpr std::int16_t kLastDirectionCode = 15;

// The angle (radians) that turns a symbol at (x, y) so that its north points
// at (263, -265), above the top edge of the map.
double MeridianTilt(float x, float y);

// Draws the wind of direction code `direction` (0 北 … 15 北北東) and force
// `force` for the station centred on (x, y), with the Canvas line width of the
// moment. A direction outside 0 to 15, a force of 0 and a negative force draw
// nothing; forces above 12 draw as 12.
void DrawWindSymbol(Canvas& canvas, float x, float y, std::int16_t direction, std::int16_t force,
                    const SymbolSize& size, Colour colour);

// Where the shaft of the symbol DrawWindSymbol draws ends (on a Canvas of
// equal scales), or nothing when it draws none: what other drawings keep off.
std::optional<PointF> WindShaftEnd(float x, float y, std::int16_t direction, std::int16_t force,
                                   const SymbolSize& size);

// The symbol of force `force` (1 to 12) with its shaft turned by `angle`
// radians from straight down the screen (π: straight up), untilted.
void DrawWindBarb(Canvas& canvas, float x, float y, double angle, std::int16_t force, const SymbolSize& size,
                  Colour colour);

}  // namespace nimbara
