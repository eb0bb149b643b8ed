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
  DrawPaper(canvas);
  if (scene.coast) DrawGraticuleAndCoast(canvas);
  // Only what lies on the map's view is drawn: the frame round it stays clear.
  const Box view = ViewBox(canvas);
  std::vector<SymbolPlace> places;
  for (const SymbolPlace& p : scene.places)
    if (view.Contains({p.x, p.y})) places.push_back(p);
  std::vector<Centre> centres;
  ChartIsobars isobars;
  if (scene.isobars) {
    centres = CentresOf(scene.store, scene.plot);
    std::erase_if(centres, [&](const Centre& c) { return !view.Contains(c.at); });
    LabelObstacles obstacles{CentreBoxes(canvas, centres), {}, FrontCurves(scene.fronts)};
    if (scene.weather || scene.wind) obstacles.avoid = StationBoxes(places, scene.symbols);
    const SampledField field = AnalysePressure(AnalysisObservations(scene.store, scene.plot));
    isobars = LayOutChartIsobars(canvas, FieldIsobars(field, scene.isobar.interval), obstacles);
  }
  DrawIsobarLines(canvas, isobars);
  DrawChartFronts(canvas, scene.fronts);
  DrawChartStations(canvas, places, scene.symbols, scene.weather, scene.wind);
  DrawIsobarLabels(canvas, isobars);
  DrawCentres(canvas, centres);
  DrawTitleBand(canvas, scene.store.observationDate,
                scene.isobars ? std::optional(scene.isobar.interval) : std::nullopt);
  if (scene.legend) DrawLegend(canvas);
}

void DrawChartBaseMap(Canvas& canvas, std::string_view observationDate, bool coast) {
  canvas.SetFrameMargins(chart::ChartFrameMargins(false));
  chart::DrawPaper(canvas);
  if (coast) chart::DrawGraticuleAndCoast(canvas);
  chart::DrawTitleBand(canvas, observationDate, std::nullopt);
}

}  // namespace nimbara
