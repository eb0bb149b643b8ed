#pragma once
// The chart style: a second drawing of the same state, in the look of the
// agency's printed surface analyses. Layers, bottom to top: paper, graticule
// and coast, isobars, fronts, the isobars' values, stations and ships,
// pressure centres, title band, legend. The pressure grid is only read.

#include <span>
#include <string_view>

#include "core/Canvas.h"
#include "core/IsobarInterval.h"
#include "core/ObservationStore.h"
#include "core/PlotPoints.h"
#include "core/PressureGrid.h"
#include "core/SymbolSize.h"
#include "render/Fronts.h"
#include "render/SymbolLayers.h"

namespace nimbara {

struct ChartScene {
  const ObservationStore& store;
  const PlotPointTable& plot;
  const PressureGrid* grid = nullptr;  // isobars and centres; none when not shown
  IsobarInterval isobar;
  std::span<const SymbolPlace> places;  // stations and ships
  bool weather = false;
  bool wind = false;
  std::span<const SystemPoint> fronts;  // none when not shown
  SymbolSize symbols;
  bool coast = false;
  bool legend = false;
};

// Draws over what the Canvas holds (clear it first).
void DrawChartMap(Canvas& canvas, const ChartScene& scene);

// The paper, graticule and coast (when `coast`) and the title band: the
// chart's map without observations.
void DrawChartBaseMap(Canvas& canvas, std::string_view observationDate, bool coast);

}  // namespace nimbara
