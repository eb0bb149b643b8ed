#include "render/SymbolLayers.h"

#include <algorithm>
#include <limits>

#include "core/Projection.h"
#include "render/WeatherSymbol.h"
#include "render/WindSymbol.h"

namespace nimbara {

namespace {

constexpr int kThinnedLeadingSlots = 5;   // slots 0 to 4
constexpr int kThinnedFirstSkipped = 7;   // then every fourth slot from 7 …
constexpr int kThinnedStride = 4;
constexpr int kThinnedDenseFrom = 44;     // … and every slot from 44 on
constexpr int kEnlargedWindLineWidth = 2;

// Codes live in 32-bit records but the symbols take 16-bit codes; a value
// beyond that range stays beyond the code tables instead of wrapping into them.
std::int16_t ToCode(std::int32_t value) {
  return static_cast<std::int16_t>(std::clamp<std::int32_t>(value, std::numeric_limits<std::int16_t>::min(),
                                                            std::numeric_limits<std::int16_t>::max()));
}

}  // namespace

std::vector<int> SelectedStationSlots(int stationCount, bool allStations) {
  const int last = ClampCount(stationCount) - 2;
  std::vector<int> slots;
  for (int slot = 0; slot <= last; ++slot) {
    const bool thinnedIn = slot < kThinnedLeadingSlots || slot >= kThinnedDenseFrom ||
                           (slot >= kThinnedFirstSkipped && (slot - kThinnedFirstSkipped) % kThinnedStride == 0);
    if (allStations || thinnedIn) slots.push_back(slot);
  }
  return slots;
}

std::vector<SymbolPlace> SymbolPlaces(const ObservationStore& store, bool allStations) {
  const PlotCounts counts = ClampedPlotCounts(store);
  std::vector<SymbolPlace> places;
  for (int slot : SelectedStationSlots(counts.stations, allStations)) {
    const StationRecord& r = store.stationRecords[slot];
    places.push_back({static_cast<float>(store.stations.x[slot]), static_cast<float>(store.stations.y[slot]),
                      ToCode(r.weather), ToCode(r.direction), ToCode(r.force), r.pressure,
                      r.pressure > 0 ? std::optional(r.temperature) : std::nullopt});
  }
  for (int j = 0; j < counts.ships; ++j) {
    const ShipRecord& ship = store.ships[j];
    const MapPoint p = ProjectLatLon(ship.latitude, ship.longitude);
    if (!HasMapPosition(p)) continue;
    places.push_back({static_cast<float>(p.x), static_cast<float>(p.y), ToCode(ship.weather),
                      ToCode(ship.direction), ToCode(ship.force), ship.pressure, std::nullopt});
  }
  return places;
}

void DrawWeatherLayer(Canvas& canvas, std::span<const SymbolPlace> places, const SymbolSize& size,
                      const ColourSlots& colours) {
  canvas.SetLineWidth(kThinLineWidth);
  for (const SymbolPlace& p : places) DrawWeatherSymbol(canvas, p.x, p.y, p.weather, size, colours);
}

void DrawWindLayer(Canvas& canvas, std::span<const SymbolPlace> places, const SymbolSize& size, Colour colour) {
  canvas.SetLineWidth(size.IsEnlarged() ? kEnlargedWindLineWidth : kThinLineWidth);
  for (const SymbolPlace& p : places) DrawWindSymbol(canvas, p.x, p.y, p.direction, p.force, size, colour);
  canvas.SetLineWidth(kThinLineWidth);
}

}  // namespace nimbara
