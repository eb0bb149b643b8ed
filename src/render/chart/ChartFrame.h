#pragma once
// The frame of the chart: the title band along the top edge (the map's name
// and the observation date) and the legend in the lower right corner
// (weather symbols, wind forces 1 to 12, the four fronts). Both keep their
// size on the screen whatever part of the map the view shows.

#include <optional>
#include <string_view>

#include "core/Canvas.h"
#include "core/PathGeometry.h"

namespace nimbara::chart {

inline constexpr std::string_view kMapName = "地上天気図";

Box TitleBandBox(const Canvas& canvas);
// The band with the map's name and the date text (the name of the bulletin
// page after the hour, "時の各地の観測値", left out) and, when isobars are
// drawn at `isobarInterval` (grid units), their spacing at the right:
// "等圧線 4hPaごと".
void DrawTitleBand(Canvas& canvas, std::string_view observationDate, std::optional<float> isobarInterval);

Box LegendBox(const Canvas& canvas);
void DrawLegend(Canvas& canvas);

}  // namespace nimbara::chart
