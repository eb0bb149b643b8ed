#include "render/chart/ChartStations.h"

#include <algorithm>

#include "render/WindSymbol.h"
#include "render/chart/ChartPalette.h"
#include "render/chart/ChartText.h"

namespace nimbara::chart {
namespace {

constexpr double kCircleMargin = 1.0;  // map units kept clear around a weather circle
constexpr double kFeatherReach = 4.0;  // map units the feathers reach beside the shaft
constexpr int kHaloExtra = 2;          // line width added for the halo
constexpr double kPlotPoints = 6.0;    // the station's numbers
constexpr double kPlotGap = 0.5;       // map units between the circle and a number
constexpr int kHundreds = 100;         // the form writes 1016 hPa as 16, 996 as 96

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

std::vector<StationText> StationTexts(Canvas& canvas, std::span<const SymbolPlace> places, const SymbolSize& size) {
  canvas.SetFontBold(false);
  const TextMetrics metrics = MetricsFor(canvas, kPlotPoints);
  std::vector<StationText> texts;
  for (const SymbolPlace& p : places) {
    const double reach = size.circleRadius + kPlotGap;
    const double middle = p.y - size.circleRadius;  // the numbers stand beside the circle's top
    if (p.pressure > 0) {
      std::string text = std::to_string(p.pressure % kHundreds);
      if (text.size() < 2) text.insert(0, "0");
      const double width = TextWidth(metrics, text);
      texts.push_back({text, TextBox(metrics, text, {p.x + reach + width / 2, middle})});
    }
    if (p.temperature) {
      const std::string text = std::to_string(*p.temperature);
      const double width = TextWidth(metrics, text);
      texts.push_back({text, TextBox(metrics, text, {p.x - reach - width / 2, middle})});
    }
  }
  return texts;
}

void DrawStationTexts(Canvas& canvas, std::span<const StationText> texts) {
  canvas.SetFontBold(false);
  canvas.SetFontSize(kPlotPoints);
  canvas.SetForeColour(kInk);
  // On paper the numbers need no halo (a halo costs the painter nine texts).
  for (const StationText& t : texts) {
    if (canvas.HasPicture())
      canvas.HaloText(TextTopLeft(t.box), t.text, kHalo, kHaloWidth);
    else
      canvas.Text(TextTopLeft(t.box), t.text);
  }
}

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
