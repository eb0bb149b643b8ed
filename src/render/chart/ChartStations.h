#pragma once
// The stations and ships of the chart: the classic symbol shapes in black on
// white circles, with a white halo around them over a satellite picture, and
// beside each the numbers of the radio weather-map form, so pupils can check
// the isobars against them: the pressure's last two digits at the upper
// right, the temperature at the upper left.

#include <span>
#include <string>
#include <vector>

#include "canvas/Canvas.h"
#include "core/PathGeometry.h"
#include "core/SymbolSize.h"
#include "render/SymbolLayers.h"

namespace nimbara::chart {

// What the weather circles and wind symbols cover.
std::vector<Box> StationBoxes(std::span<const SymbolPlace> places, const SymbolSize& size);

void DrawChartStations(Canvas& canvas, std::span<const SymbolPlace> places, const SymbolSize& size, bool weather,
                       bool wind);

struct StationText {
  std::string text;
  Box box;
};

// The pressure and temperature texts of the places that report them.
std::vector<StationText> StationTexts(Canvas& canvas, std::span<const SymbolPlace> places, const SymbolSize& size);
void DrawStationTexts(Canvas& canvas, std::span<const StationText> texts);

// The symbol colours of the chart: black marks, white fill.
ColourSlots ChartSymbolColours();

}  // namespace nimbara::chart
