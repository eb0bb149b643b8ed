#pragma once
// The station weather symbol: a circle whose filling and marks tell the weather.

#include <cstdint>

#include "canvas/Canvas.h"
#include "core/Colour.h"
#include "core/SymbolSize.h"

namespace nimbara {

// Draws the symbol of weather `code` (an index into kWeatherList) centred on
// (x, y): outlined in the weather colour, filled with the background colour so
// that lines beneath it disappear. Codes outside the list draw the empty
// circle of 快晴. Leaves the fill style as the code's marks set it.
void DrawWeatherSymbol(Canvas& canvas, float x, float y, std::int16_t code, const SymbolSize& size,
                       const ColourSlots& colours);

}  // namespace nimbara
