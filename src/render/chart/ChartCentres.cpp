#include "render/chart/ChartCentres.h"

#include <algorithm>

#include "core/SystemKind.h"
#include "pressure/IsobarCorrection.h"
#include "render/chart/ChartPalette.h"
#include "render/chart/ChartText.h"

namespace nimbara::chart {
namespace {

constexpr double kCrossHalf = kCentreCrossSide / 2;  // map units from the centre to a cross's arm end
constexpr int kCrossWidth = 2;
constexpr double kMarkPoints = 15.0;
constexpr double kPressurePoints = 8.5;
constexpr double kTextGap = 0.8;      // map units between the cross and a text

struct CentreLayout {
  Box cross;
  Box mark;
  Box pressure;  // empty width when there is no pressure
};

// The centre of a text `width` x `height` standing on `side` of the cross.
PointF BesideCross(PointF at, MarkSide side, double width, double height) {
  const double across = kCrossHalf + kTextGap;
  switch (side) {
    case MarkSide::Above: return {at.x, at.y - across - height / 2};
    case MarkSide::Below: return {at.x, at.y + across + height / 2};
    case MarkSide::Left: return {at.x - across - width / 2, at.y};
    case MarkSide::Right: return {at.x + across + width / 2, at.y};
  }
  return at;
}

MarkSide Across(MarkSide side) {
  switch (side) {
    case MarkSide::Above: return MarkSide::Below;
    case MarkSide::Below: return MarkSide::Above;
    case MarkSide::Left: return MarkSide::Right;
    case MarkSide::Right: return MarkSide::Left;
  }
  return MarkSide::Below;
}

CentreLayout Layout(const Centre& centre, const TextMetrics& mark, const TextMetrics& pressure) {
  const PointF at = centre.at;
  const double markWidth = TextWidth(mark, centre.mark);
  const double pressureWidth = TextWidth(pressure, centre.pressure);
  return {BoxAround(at, 2 * kCrossHalf, 2 * kCrossHalf),
          TextBox(mark, centre.mark, BesideCross(at, centre.side, markWidth, mark.height)),
          TextBox(pressure, centre.pressure,
                  BesideCross(at, Across(centre.side), pressureWidth, pressure.height))};
}

constexpr MarkSide kSides[] = {MarkSide::Above, MarkSide::Below, MarkSide::Left, MarkSide::Right};

Colour MarkColour(std::string_view mark) {
  for (const SystemKind& row : kSystemKinds)
    if (!mark.empty() && row.centreMark == mark) return row.chartColour;
  return kInk;
}

}  // namespace

std::vector<Centre> CentresOf(const ObservationStore& store, const PlotPointTable& plot) {
  std::vector<Centre> centres;
  for (int slot = std::max(FirstSystemSlot(store), 0); slot <= plot.lastIndex; ++slot) {
    const std::string_view mark = CentreMark(PlotName(store, slot));
    const MapPoint at = PlotPosition(plot, slot);
    if (mark.empty() || !HasMapPosition(at)) continue;
    const std::int32_t pressure = plot.pressure[slot];
    centres.push_back({{static_cast<double>(at.x), static_cast<double>(at.y)},
                       mark,
                       pressure > 0 ? HectopascalText(pressure) : std::string()});
  }
  return centres;
}

void ChooseMarkSides(Canvas& canvas, std::span<Centre> centres, std::span<const Box> busy,
                     std::span<const Path> fronts, double frontReach) {
  canvas.SetFontBold(true);
  const TextMetrics mark = MetricsFor(canvas, kMarkPoints);
  const TextMetrics pressure = MetricsFor(canvas, kPressurePoints);
  const auto covers = [&](const Box& text) {
    if (std::any_of(busy.begin(), busy.end(), [&](const Box& b) { return text.Overlaps(b); })) return true;
    const Box reach = text.Grown(frontReach);
    for (const Path& front : fronts)
      for (std::size_t i = 1; i < front.size(); ++i)
        if (SegmentMeetsBox(front[i - 1], front[i], reach)) return true;
    return false;
  };
  for (Centre& centre : centres) {
    for (const MarkSide side : kSides) {
      centre.side = side;
      const CentreLayout layout = Layout(centre, mark, pressure);
      if (!covers(layout.mark) && (centre.pressure.empty() || !covers(layout.pressure))) break;
      centre.side = MarkSide::Above;
    }
  }
}

std::vector<Box> CentreBoxes(Canvas& canvas, std::span<const Centre> centres) {
  canvas.SetFontBold(true);
  const TextMetrics mark = MetricsFor(canvas, kMarkPoints);
  const TextMetrics pressure = MetricsFor(canvas, kPressurePoints);
  std::vector<Box> boxes;
  for (const Centre& centre : centres) {
    const CentreLayout layout = Layout(centre, mark, pressure);
    boxes.insert(boxes.end(), {layout.cross, layout.mark});
    if (!centre.pressure.empty()) boxes.push_back(layout.pressure);
  }
  return boxes;
}

void DrawCentres(Canvas& canvas, std::span<const Centre> centres) {
  canvas.SetFontBold(true);
  const TextMetrics mark = MetricsFor(canvas, kMarkPoints);
  const TextMetrics pressure = MetricsFor(canvas, kPressurePoints);
  for (const Centre& centre : centres) {
    const CentreLayout layout = Layout(centre, mark, pressure);
    const Box& c = layout.cross;
    for (const auto& [colour, width] : {std::pair{kHalo, kCrossWidth + 2}, std::pair{kInk, kCrossWidth}}) {
      canvas.SetLineWidth(width);
      canvas.Line({c.left, c.top}, {c.right, c.bottom}, colour);
      canvas.Line({c.left, c.bottom}, {c.right, c.top}, colour);
    }
    canvas.SetFontSize(kMarkPoints);
    canvas.SetForeColour(MarkColour(centre.mark));
    canvas.HaloText(TextTopLeft(layout.mark), centre.mark, kHalo, kHaloWidth);
    if (centre.pressure.empty()) continue;
    canvas.SetFontSize(kPressurePoints);
    canvas.SetForeColour(kInk);
    canvas.HaloText(TextTopLeft(layout.pressure), centre.pressure, kHalo, kHaloWidth);
  }
  canvas.SetLineWidth(kThinLineWidth);
}

}  // namespace nimbara::chart
