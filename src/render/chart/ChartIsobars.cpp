#include "render/chart/ChartIsobars.h"

#include "pressure/IsobarLines.h"
#include "pressure/IsobarTracer.h"
#include "render/chart/ChartBase.h"
#include "render/chart/ChartFronts.h"
#include "render/chart/ChartPalette.h"
#include "render/chart/ChartText.h"

namespace nimbara::chart {
namespace {

constexpr double kLabelPoints = 8.0;

}  // namespace

ChartIsobars LayOutChartIsobars(Canvas& canvas, const PressureGrid& grid, const IsobarInterval& isobar,
                                std::span<const Box> hidden, const LabelObstacles& obstacles) {
  const std::vector<IsobarLine> smooth =
      SmoothIsobarLines(ChainIsobarLines(grid, isobar.interval, isobar.startOffset));
  const std::vector<IsobarLine> visible = VisibleIsobarLines(smooth, ViewBox(canvas), hidden);
  canvas.SetFontBold(false);
  const TextMetrics metrics = MetricsFor(canvas, kLabelPoints);
  const LabelLayout layout{ViewBox(canvas),  metrics.height,   metrics.column,   obstacles.keepClear,
                           obstacles.avoid,  obstacles.fronts, kFrontSymbolReach};
  std::vector<IsobarLabel> labels = PlaceIsobarLabels(visible, layout);
  return {CutLabelGaps(visible, labels), std::move(labels)};
}

void DrawIsobarLines(Canvas& canvas, const ChartIsobars& isobars) {
  for (const IsobarLine& line : isobars.lines)
    StrokeLine(canvas, line.points, kIsobar, IsThickLevel(line.level) ? kBoldIsobarWidth : kThinIsobarWidth);
  canvas.SetLineWidth(kThinLineWidth);
}

void DrawIsobarLabels(Canvas& canvas, const ChartIsobars& isobars) {
  canvas.SetFontBold(false);
  canvas.SetFontSize(kLabelPoints);
  canvas.SetForeColour(kIsobar);
  for (const IsobarLabel& label : isobars.labels) canvas.HaloText(label.textTopLeft, label.text, kHalo, kHaloWidth);
}

}  // namespace nimbara::chart
