#include "render/chart/ChartMap.h"

#include <optional>
#include <vector>

#include "render/chart/ChartBase.h"
#include "render/chart/ChartCentres.h"
#include "render/chart/ChartFronts.h"
#include "render/chart/ChartFrame.h"
#include "render/chart/ChartIsobars.h"
#include "render/chart/ChartStations.h"

namespace nimbara {

void DrawChartMap(Canvas& canvas, const ChartScene& scene) {
  using namespace chart;
  DrawPaper(canvas);
  if (scene.coast) DrawGraticuleAndCoast(canvas);
  std::vector<Box> frame{TitleBandBox(canvas)};
  if (scene.legend) frame.push_back(LegendBox(canvas));
  std::vector<Centre> centres;
  ChartIsobars isobars;
  if (scene.grid) {
    centres = CentresOf(scene.store, scene.plot);
    LabelObstacles obstacles{CentreBoxes(canvas, centres), {}, FrontCurves(scene.fronts)};
    obstacles.keepClear.insert(obstacles.keepClear.end(), frame.begin(), frame.end());
    if (scene.weather || scene.wind) obstacles.avoid = StationBoxes(scene.places, scene.symbols);
    isobars = LayOutChartIsobars(canvas, *scene.grid, scene.isobar, frame, obstacles);
  }
  DrawIsobarLines(canvas, isobars);
  DrawChartFronts(canvas, scene.fronts);
  DrawIsobarLabels(canvas, isobars);
  DrawChartStations(canvas, scene.places, scene.symbols, scene.weather, scene.wind);
  DrawCentres(canvas, centres);
  DrawTitleBand(canvas, scene.store.observationDate,
                scene.grid ? std::optional(scene.isobar.interval) : std::nullopt);
  if (scene.legend) DrawLegend(canvas);
}

void DrawChartBaseMap(Canvas& canvas, std::string_view observationDate, bool coast) {
  chart::DrawPaper(canvas);
  if (coast) chart::DrawGraticuleAndCoast(canvas);
  chart::DrawTitleBand(canvas, observationDate, std::nullopt);
}

}  // namespace nimbara
