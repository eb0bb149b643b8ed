#include "app/DisplayCommands.h"

#include <vector>

#include "app/IsobarLayer.h"
#include "render/BaseMap.h"
#include "render/Fronts.h"
#include "render/SymbolLayers.h"
#include "render/SystemPoints.h"
#include "render/chart/ChartMap.h"

namespace nimbara {

namespace {

// The plot table is rebuilt only together with the pressure grid. While the
// grid is valid the table is what it was computed (or loaded) from; once an
// observation change has made the grid stale, the table may predate the
// change, so the fronts are taken from the store, as a rebuild would place them.
std::vector<SystemPoint> CurrentSystemPoints(const AppState& state) {
  if (state.field.grid.IsValid()) return SystemPointsFromPlotTable(state.store, state.plot);
  return SystemPointsFromStore(state.store);
}

void Redraw(const AppContext& app) {
  ClearCanvas(app.canvas);
  cntDisplay_Click(app);
}

void DrawChartDisplay(const AppContext& app, const LayerSwitches& layers) {
  AppState& state = app.state;
  const bool isobars = layers.isobars && EnsurePressureGrid(app);
  const std::vector<SymbolPlace> places =
      layers.weather || layers.wind ? SymbolPlaces(state.store, layers.allData) : std::vector<SymbolPlace>{};
  const std::vector<SystemPoint> fronts = layers.fronts ? CurrentSystemPoints(state) : std::vector<SystemPoint>{};
  DrawChartMap(app.canvas, {state.store, state.plot, isobars, state.isobar, places,
                            layers.weather, layers.wind, fronts, state.symbols, layers.map, layers.legend});
}

}  // namespace

bool DrawsChartStyle(const AppState& state) {
  const ClickMode mode = state.clickMode;
  const bool correcting = mode == ClickMode::Read || mode == ClickMode::Raise || mode == ClickMode::Lower;
  return state.layers.chartStyle && !correcting;
}

void DrawEmptyMap(const AppContext& app) {
  const AppState& state = app.state;
  if (DrawsChartStyle(state))
    DrawChartBaseMap(app.canvas, state.store, state.layers.map);
  else if (state.layers.map)
    DrawBaseMap(app.canvas, state.colours[ColourSlot::Map]);
}

void DrawChartIsobarMap(const AppContext& app) {
  const AppState& state = app.state;
  DrawChartMap(app.canvas, {state.store, state.plot, true, state.isobar, {}, false, false, {},
                            state.symbols, true, false});
}

void cntDisplay_Click(const AppContext& app) { DrawLayers(app, app.state.layers); }

void DrawLayers(const AppContext& app, const LayerSwitches& layers) {
  AppState& state = app.state;
  Canvas& canvas = app.canvas;
  // A relief view scales the Canvas its own way; the map always shows the map view.
  ApplyMapView(canvas, state.view);
  ClearCanvas(canvas);
  if (DrawsChartStyle(state)) {
    DrawChartDisplay(app, layers);
    return;
  }
  if (layers.map) DrawBaseMap(canvas, state.colours[ColourSlot::Map]);
  if (layers.isobars) DrawIsobarLayer(app);
  if (layers.weather || layers.wind) {
    const std::vector<SymbolPlace> places = SymbolPlaces(state.store, layers.allData);
    if (layers.weather) DrawWeatherLayer(canvas, places, state.symbols, state.colours);
    if (layers.wind) DrawWindLayer(canvas, places, state.symbols, state.colours[ColourSlot::Wind]);
  }
  if (layers.fronts) DrawFrontLayer(canvas, CurrentSystemPoints(state), state.colours);
}

void cntTizu_Click(const AppContext& app) { app.state.layers.map = !app.state.layers.map; }
void cntTouatu2_Click(const AppContext& app) { app.state.layers.isobars = !app.state.layers.isobars; }
void cntKigou_Click(const AppContext& app) { app.state.layers.weather = !app.state.layers.weather; }
void cntHuuryoku_Click(const AppContext& app) { app.state.layers.wind = !app.state.layers.wind; }
void cntZensen_Click(const AppContext& app) { app.state.layers.fronts = !app.state.layers.fronts; }

void cntAllData_Click(const AppContext& app) {
  app.state.layers.allData = !app.state.layers.allData;
  Redraw(app);
}

void cntZoomUp_Click(const AppContext& app) {
  AppState& state = app.state;
  state.layers.zoomUp = !state.layers.zoomUp;
  state.symbols = state.layers.zoomUp ? SymbolSize::Enlarged() : SymbolSize::Normal();
  Redraw(app);
}

void cntMitame_Click(const AppContext& app) {
  app.state.layers.chartStyle = !app.state.layers.chartStyle;
  Redraw(app);
}

void cntHanrei_Click(const AppContext& app) {
  app.state.layers.legend = !app.state.layers.legend;
  Redraw(app);
}

void cntClsLine_Click(const AppContext& app) { ClearCanvas(app.canvas); }

void mnuKiatuClear_Click(const AppContext& app) { cntDisplay_Click(app); }

}  // namespace nimbara
