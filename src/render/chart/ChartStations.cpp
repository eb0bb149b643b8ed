#include "render/chart/ChartStations.h"

#include <algorithm>

#include "render/WindSymbol.h"
#include "render/chart/ChartPalette.h"

namespace nimbara::chart {
namespace {

constexpr double kCircleMargin = 1.0;  // map units kept clear around a weather circle
constexpr double kFeatherReach = 4.0;  // map units the feathers reach beside the shaft
constexpr int kHaloExtra = 2;          // line width added for the halo

void DrawHalos(Canvas& canvas, std::span<const SymbolPlace> places, const SymbolSize& size, bool weather, bool wind) {
  canvas.SetFillColour(kHalo);
  canvas.SetFillStyle(FillStyle::Solid);
  const int windWidth = (size.IsEnlarged() ? 2 : 1) + kHaloExtra;
  for (const SymbolPlace& p : places) {
    if (wind) {
      canvas.SetLineWidth(windWidth);
      DrawWindSymbol(canvas, p.x, p.y, p.direction, p.force, size, kHalo);
    }
    if (weather) {
      canvas.SetLineWidth(kThinLineWidth + kHaloExtra);
      canvas.Circle({p.x, p.y}, size.circleRadius, kHalo);
    }
  }
  canvas.SetFillStyle(FillStyle::Transparent);
}

}  // namespace

ColourSlots ChartSymbolColours() {
  ColourSlots colours;
  colours[ColourSlot::Weather] = kInk;
  colours[ColourSlot::Wind] = kInk;
  colours[ColourSlot::Background] = kPaper;
  return colours;
}

std::vector<Box> StationBoxes(std::span<const SymbolPlace> places, const SymbolSize& size) {
  std::vector<Box> boxes;
  const double side = 2 * (size.circleRadius + kCircleMargin);
  for (const SymbolPlace& p : places) {
    boxes.push_back(BoxAround({p.x, p.y}, side, side));
    if (const auto end = WindShaftEnd(p.x, p.y, p.direction, p.force, size)) {
      const double reach = kFeatherReach * size.featherSize / SymbolSize::Normal().featherSize;
      boxes.push_back(Box{std::min<double>(p.x, end->x), std::min<double>(p.y, end->y),
                          std::max<double>(p.x, end->x), std::max<double>(p.y, end->y)}
                          .Grown(reach));
    }
  }
  return boxes;
}

void DrawChartStations(Canvas& canvas, std::span<const SymbolPlace> places, const SymbolSize& size, bool weather,
                       bool wind) {
  if (canvas.HasPicture()) DrawHalos(canvas, places, size, weather, wind);
  const ColourSlots colours = ChartSymbolColours();
  if (weather) DrawWeatherLayer(canvas, places, size, colours);
  if (wind) DrawWindLayer(canvas, places, size, colours[ColourSlot::Wind]);
}

}  // namespace nimbara::chart
