#pragma once
// The chart style: a second drawing of the same state, in the look of the
// agency's printed surface analyses. Layers, bottom to top: paper, graticule
// and coast, isobars, fronts, stations and ships, the isobars' values (placed
// clear of them all), pressure centres; then, in the frame round the map
// (canvas/Canvas.h's margins, set here), the title band and the legend. The isobars are those of the chart's
// own analysis of the observations (pressure/PressureAnalysis.h); the classic
// pressure grid is not used.

#include <span>
#include <string_view>

#include "canvas/Canvas.h"
#include "core/IsobarInterval.h"
#include "core/ObservationStore.h"
#include "core/PlotPoints.h"
#include "core/SymbolSize.h"
#include "render/Fronts.h"
#include "render/SymbolLayers.h"

namespace nimbara {

struct ChartScene {
  const ObservationStore& store;
  const PlotPointTable& plot;
  bool isobars = false;  // isobars and centres
  IsobarInterval isobar;
  std::span<const SymbolPlace> places;  // stations and ships
  bool weather = false;
  bool wind = false;
  std::span<const SystemPoint> fronts;  // none when not shown
  SymbolSize symbols;
  bool coast = false;
  bool legend = false;
};

// Draws over what the Canvas holds (clear it first); sets the frame margins.
void DrawChartMap(Canvas& canvas, const ChartScene& scene);

// The paper, graticule and coast (when `coast`) and the title band: the
// chart's map without observations.
void DrawChartBaseMap(Canvas& canvas, const ObservationStore& store, bool coast);

}  // namespace nimbara
