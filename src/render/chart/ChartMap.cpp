#include "render/chart/ChartMap.h"

#include <optional>
#include <vector>

#include "pressure/FieldIsobars.h"
#include "pressure/PressureAnalysis.h"
#include "render/chart/ChartBase.h"
#include "render/chart/ChartCentres.h"
#include "render/chart/ChartFronts.h"
#include "render/chart/ChartFrame.h"
#include "render/chart/ChartIsobars.h"
#include "render/chart/ChartStations.h"

namespace nimbara {

void DrawChartMap(Canvas& canvas, const ChartScene& scene) {
  using namespace chart;
  canvas.SetFrameMargins(ChartFrameMargins(scene.legend));
  DrawPaper(canvas, scene.coast);
  if (scene.coast) DrawGraticuleAndCoast(canvas, scene.store);
  // Only what lies on the map's view is drawn: the frame round it stays clear.
  const Box view = ViewBox(canvas);
  std::vector<SymbolPlace> places;
  for (const SymbolPlace& p : scene.places)
    if (view.Contains({p.x, p.y})) places.push_back(p);
  std::vector<StationText> plotted;
  if (scene.weather) plotted = StationTexts(canvas, places, scene.symbols);
  std::vector<Centre> centres;
  ChartIsobars isobars;
  if (scene.isobars) {
    centres = CentresOf(scene.store, scene.plot);
    std::erase_if(centres, [&](const Centre& c) { return !view.Contains(c.at); });
    LabelObstacles obstacles{{}, {}, FrontCurves(scene.fronts)};
    if (scene.weather || scene.wind) obstacles.avoid = StationBoxes(places, scene.symbols);
    for (const StationText& t : plotted) obstacles.avoid.push_back(t.box);
    std::vector<Box> busy = obstacles.avoid;
    for (const Centre& c : centres) busy.push_back(BoxAround(c.at, kCentreCrossSide, kCentreCrossSide));
    ChooseMarkSides(canvas, centres, busy, obstacles.fronts, kFrontSymbolReach);
    obstacles.keepClear = CentreBoxes(canvas, centres);
    const SampledField field = AnalysePressure(AnalysisObservations(scene.store, scene.plot));
    isobars = LayOutChartIsobars(canvas, FieldIsobars(field, scene.isobar.interval), obstacles);
  }
  DrawIsobarLines(canvas, isobars);
  DrawChartFronts(canvas, scene.fronts);
  DrawChartStations(canvas, places, scene.symbols, scene.weather, scene.wind);
  DrawStationTexts(canvas, plotted);
  DrawIsobarLabels(canvas, isobars);
  DrawCentres(canvas, centres);
  DrawTitleBand(canvas, scene.store.observationDate,
                scene.isobars ? std::optional(scene.isobar.interval) : std::nullopt);
  if (scene.legend) DrawLegend(canvas);
}

void DrawChartBaseMap(Canvas& canvas, const ObservationStore& store, bool coast) {
  canvas.SetFrameMargins(chart::ChartFrameMargins(false));
  chart::DrawPaper(canvas, coast);
  if (coast) chart::DrawGraticuleAndCoast(canvas, store);
  chart::DrawTitleBand(canvas, store.observationDate, std::nullopt);
}

}  // namespace nimbara
