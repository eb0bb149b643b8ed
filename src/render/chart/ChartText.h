#pragma once
// Texts of the chart in map units: how big they come out on the Canvas at its
// current scale, so that labels can be placed and centred before they are
// written.

#include <string_view>

#include "canvas/Canvas.h"
#include "core/PathGeometry.h"

namespace nimbara::chart {

struct TextMetrics {
  double height = 0;  // one line of the font
  double column = 0;  // one half-width character
};

// For the Canvas's font once its size is set to `points`.
TextMetrics MetricsFor(Canvas& canvas, double points);

double TextWidth(const TextMetrics& metrics, std::string_view text);

// The box of a text whose centre is `centre`, and the text's upper-left corner.
Box TextBox(const TextMetrics& metrics, std::string_view text, PointF centre);
PointF TextTopLeft(const Box& box);

// Writes the text centred on `centre` in the font set, over a white halo.
void CentredHaloText(Canvas& canvas, const TextMetrics& metrics, std::string_view text, PointF centre);

}  // namespace nimbara::chart
