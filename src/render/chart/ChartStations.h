#pragma once
// The stations and ships of the chart: the classic symbol shapes in black on
// white circles, with a white halo around them over a satellite picture.

#include <span>
#include <vector>

#include "core/Canvas.h"
#include "core/PathGeometry.h"
#include "core/SymbolSize.h"
#include "render/SymbolLayers.h"

namespace nimbara::chart {

// What the weather circles and wind symbols cover.
std::vector<Box> StationBoxes(std::span<const SymbolPlace> places, const SymbolSize& size);

void DrawChartStations(Canvas& canvas, std::span<const SymbolPlace> places, const SymbolSize& size, bool weather,
                       bool wind);

// The symbol colours of the chart: black marks, white fill.
ColourSlots ChartSymbolColours();

}  // namespace nimbara::chart
