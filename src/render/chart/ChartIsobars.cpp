#include "render/chart/ChartIsobars.h"

#include "core/MapView.h"
#include "pressure/IsobarLines.h"
#include "pressure/IsobarTracer.h"
#include "render/chart/ChartBase.h"
#include "render/chart/ChartFronts.h"
#include "render/chart/ChartPalette.h"
#include "render/chart/ChartText.h"

namespace nimbara::chart {
namespace {

constexpr double kLabelPoints = 8.0;
constexpr double kEdgeLabelGap = 1.5;  // map units of the whole map's view between the edge and a value

}  // namespace

ChartIsobars LayOutChartIsobars(Canvas& canvas, std::span<const IsobarLine> lines, const LabelObstacles& obstacles) {
  const Box view = ViewBox(canvas);
  const std::vector<IsobarLine> visible = VisibleIsobarLines(lines, view);
  canvas.SetFontBold(false);
  const TextMetrics metrics = MetricsFor(canvas, kLabelPoints);
  const LabelLayout layout{ViewBox(canvas),  metrics.height,   metrics.column,   obstacles.keepClear,
                           obstacles.avoid,  obstacles.fronts, kFrontSymbolReach};
  const double unit = (view.right - view.left) / kMapSize;
  const std::vector<IsobarLabel> frameValues = EdgeLabels(visible, layout, kEdgeLabelGap * unit);
  std::vector<IsobarLabel> labels = PlaceIsobarLabels(visible, layout, frameValues);
  ChartIsobars isobars{CutLabelGaps(visible, labels), std::move(labels)};
  isobars.labels.insert(isobars.labels.end(), frameValues.begin(), frameValues.end());
  return isobars;
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
