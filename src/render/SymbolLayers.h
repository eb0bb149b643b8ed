#pragma once
// The weather and wind layers: one symbol per selected station, then one per
// ship report.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "canvas/Canvas.h"
#include "core/Colour.h"
#include "core/ObservationStore.h"
#include "core/SymbolSize.h"

namespace nimbara {

// Where a symbol stands and what it shows.
struct SymbolPlace {
  float x = 0;
  float y = 0;
  std::int16_t weather = 0;
  std::int16_t direction = 0;
  std::int16_t force = 0;
  std::int32_t pressure = 0;  // whole hPa, 0 missing (plotted by the chart style only)
  std::optional<std::int32_t> temperature;  // degrees Celsius, none for a ship or a station without a report
};

// Station slots 0 to S − 2 (the last slot, 富士山 in the built-in table, is
// never drawn), or the thinned set 0–4, 7, 11, …, 43, 44 to S − 2.
std::vector<int> SelectedStationSlots(int stationCount, bool allStations);

// The selected stations at their fixed positions, then every ship report at
// its projected position; a ship off the map (outside 10 to 56 degrees north)
// is left out.
std::vector<SymbolPlace> SymbolPlaces(const ObservationStore& store, bool allStations);

// Each layer sets the width it draws with, so a display never depends on the
// one before. Weather symbols are 1 wide.
void DrawWeatherLayer(Canvas& canvas, std::span<const SymbolPlace> places, const SymbolSize& size,
                      const ColourSlots& colours);
// Normal symbols are 1 wide, enlarged ones 2; leaves width 1.
void DrawWindLayer(Canvas& canvas, std::span<const SymbolPlace> places, const SymbolSize& size, Colour colour);

}  // namespace nimbara
