#include "render/chart/ChartText.h"

#include "canvas/DevicePixels.h"
#include "core/Text.h"
#include "render/chart/ChartPalette.h"

namespace nimbara::chart {

TextMetrics MetricsFor(Canvas& canvas, double points) {
  canvas.SetFontSize(points);
  const double pixels = FontPixels(canvas);
  const MapView& view = canvas.Scale();
  // A half-width character of the map's font is half as wide as the font is high.
  return {pixels * view.height / canvas.MapPixels(), pixels / 2 * view.width / canvas.MapPixels()};
}

double TextWidth(const TextMetrics& metrics, std::string_view text) {
  return static_cast<double>(DisplayColumns(text)) * metrics.column;
}

Box TextBox(const TextMetrics& metrics, std::string_view text, PointF centre) {
  return BoxAround(centre, TextWidth(metrics, text), metrics.height);
}

PointF TextTopLeft(const Box& box) { return {box.left, box.top}; }

void CentredHaloText(Canvas& canvas, const TextMetrics& metrics, std::string_view text, PointF centre) {
  canvas.HaloText(TextTopLeft(TextBox(metrics, text, centre)), text, kHalo, kHaloWidth);
}

}  // namespace nimbara::chart
