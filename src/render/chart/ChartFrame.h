#pragma once
// The frame of the chart, outside the map so it never covers any of it: a
// strip round the map's edges for the isobars' values, the title band above
// (the map's name and the observation time) and the legend beside the map on
// the right (weather symbols, wind forces 1 to 12, the four fronts). All keep
// their size on the screen whatever part of the map the view shows.

#include <optional>
#include <string_view>

#include "canvas/Canvas.h"
#include "core/PathGeometry.h"

namespace nimbara::chart {

inline constexpr std::string_view kMapName = "地上天気図";

// The room the frame takes round the map (canvas/Canvas.h): set on the Canvas
// before the chart is drawn; a picture for export grows by it.
FrameMargins ChartFrameMargins(bool legend);

// How wide the strip for the isobars' values is, in map units.
double EdgeStrip(const Canvas& canvas);

Box TitleBandBox(const Canvas& canvas);
// The band with the map's name and the date text (the name of the bulletin
// page after the hour, "時の各地の観測値", left out) and, when isobars are
// drawn at `isobarInterval` (grid units), their spacing at the right:
// "等圧線 4hPaごと".
void DrawTitleBand(Canvas& canvas, std::string_view observationDate, std::optional<float> isobarInterval);

Box LegendBox(const Canvas& canvas);
void DrawLegend(Canvas& canvas);

}  // namespace nimbara::chart
