#include "render/chart/ChartFrame.h"

#include <array>
#include <string>

#include "core/CodeTables.h"
#include "core/MapView.h"
#include "core/Numbers.h"
#include "core/PressureGrid.h"
#include "core/SystemKind.h"
#include "core/Text.h"
#include "render/HalfDisc.h"
#include "render/WeatherSymbol.h"
#include "render/WindSymbol.h"
#include "render/chart/ChartBase.h"
#include "render/chart/ChartFronts.h"
#include "render/chart/ChartPalette.h"
#include "render/chart/ChartStations.h"
#include "render/chart/ChartText.h"

namespace nimbara::chart {
namespace {

// Sizes are in map units of the whole map's view; a view of a part of the map
// scales them so the frame keeps its size on the screen.
constexpr double kBandHeight = 17.0;
// A strip round the map's edges where the isobars' values are written as
// the lines leave the map.
constexpr double kEdgeStrip = 14.0;
// Map units of the whole map's view to pixels of the 800-pixel reference map.
constexpr double kReferencePixelsPerUnit = 2.0;
constexpr double kBandInset = 5.0;
constexpr double kTitlePoints = 11.0;
constexpr double kDatePoints = 10.0;
constexpr double kNotePoints = 8.0;
constexpr double kTitleGap = 3.0;
// The bulletins head their pages "…０６時の各地の観測値", "…０６時の低気圧や前線の位置".
constexpr std::string_view kHour = "時";
constexpr std::string_view kHourThenPageName = "時の";
// The bulletins' hours are Japan's; the chart says so after the hour.
constexpr std::string_view kTimeZone = " 日本時 (JST)";

constexpr double kLegendWidth = 124.0;
constexpr double kLegendHeight = 124.0;
constexpr double kLegendMargin = 3.0;  // between the legend and the map's edge
constexpr double kLegendPad = 3.5;
constexpr double kHeadingPoints = 7.0;
constexpr double kNamePoints = 6.5;
constexpr double kForcePoints = 5.5;
constexpr double kHeadingHeight = 8.0;
constexpr int kWeatherColumns = 3;
constexpr double kWeatherColumnWidth = 39.0;
constexpr double kWeatherRowHeight = 8.0;
constexpr double kNameOffset = 5.5;     // from a symbol's centre to its name
constexpr double kWindCaptionWidth = 13.0;
// Forces 1 to 6 on one row and 7 to 12 on the next: the long feathers of
// the strong winds would run into each other on one row.
constexpr int kWindPerRow = 6;
constexpr double kWindStep = 17.6;
constexpr double kWindHeight = 24.0;  // one row
constexpr double kWindNumberGap = 2.5;  // between a barb's station circle and its force
constexpr double kFrontSampleLength = 30.0;
constexpr double kFrontColumnWidth = 58.0;
constexpr double kFrontRowHeight = 13.0;
constexpr double kSectionGap = 2.0;

double FrameUnit(const Canvas& canvas) { return (ViewBox(canvas).right - ViewBox(canvas).left) / kMapSize; }

std::string DateText(std::string_view observationDate) {
  const std::size_t hour = observationDate.find(kHourThenPageName);
  if (hour == std::string_view::npos) return HalfWidthNumberText(observationDate);
  return HalfWidthNumberText(observationDate.substr(0, hour + kHour.size())) + std::string(kTimeZone);
}

void WriteLeft(Canvas& canvas, const TextMetrics& metrics, std::string_view text, PointF leftMiddle) {
  canvas.Text({leftMiddle.x, leftMiddle.y - metrics.height / 2}, text);
}

void FilledBox(Canvas& canvas, const Box& box, Colour fill, Colour frame) {
  canvas.Rect({box.left, box.top}, {box.right, box.bottom}, fill, true);
  canvas.SetLineWidth(kThinLineWidth);
  canvas.Rect({box.left, box.top}, {box.right, box.bottom}, frame, false);
}

SymbolSize Scaled(SymbolSize size, double unit) {
  return {static_cast<float>(size.circleRadius * unit), static_cast<float>(size.shaftStart * unit),
          static_cast<float>(size.shaftStep * unit), static_cast<float>(size.featherSize * unit)};
}

// Returns the y below the section.
double WeatherSection(Canvas& canvas, double left, double top, double unit) {
  const TextMetrics names = MetricsFor(canvas, kNamePoints);
  const SymbolSize size = Scaled(SymbolSize::Normal(), unit);
  const ColourSlots colours = ChartSymbolColours();
  const int count = static_cast<int>(kWeatherList.size());
  for (int code = 0; code < count; ++code) {
    const double x = left + size.circleRadius + (code % kWeatherColumns) * kWeatherColumnWidth * unit;
    const double y = top + (code / kWeatherColumns + 0.5) * kWeatherRowHeight * unit;
    canvas.SetLineWidth(kThinLineWidth);
    DrawWeatherSymbol(canvas, static_cast<float>(x), static_cast<float>(y), static_cast<std::int16_t>(code), size,
                      colours);
    canvas.SetFillStyle(FillStyle::Transparent);
    canvas.SetForeColour(kInk);
    canvas.SetFontSize(kNamePoints);
    WriteLeft(canvas, names, WeatherName(code), {x + kNameOffset * unit, y});
  }
  const int rows = (count + kWeatherColumns - 1) / kWeatherColumns;
  return top + rows * kWeatherRowHeight * unit;
}

double WindSection(Canvas& canvas, double left, double top, double unit) {
  const TextMetrics numbers = MetricsFor(canvas, kForcePoints);
  // The barbs stand on their station circles, the forces written below them.
  const auto baseY = [&](int row) {
    return top + (row + 1) * kWindHeight * unit - kWindNumberGap * unit - numbers.height;
  };
  canvas.SetForeColour(kInk);
  WriteLeft(canvas, MetricsFor(canvas, kNamePoints), "風力", {left, baseY(0) - kWindHeight * unit / 3});
  const SymbolSize size = Scaled(SymbolSize::Normal(), unit);
  for (std::int16_t force = 1; force <= kMaxWindForce; ++force) {
    const double x = left + kWindCaptionWidth * unit + ((force - 1) % kWindPerRow) * kWindStep * unit;
    const double y = baseY((force - 1) / kWindPerRow);
    canvas.SetLineWidth(kThinLineWidth);
    DrawWindBarb(canvas, static_cast<float>(x), static_cast<float>(y), kPi, force, size, kInk);
    canvas.Circle({x, y}, unit, kInk);
    const std::string number = std::to_string(force);
    canvas.SetFontSize(kForcePoints);
    canvas.Text(TextTopLeft(TextBox(numbers, number, {x, y + kWindNumberGap * unit + numbers.height / 2})), number);
  }
  const int rows = (kMaxWindForce + kWindPerRow - 1) / kWindPerRow;
  return top + rows * kWindHeight * unit;
}

void FrontSection(Canvas& canvas, double left, double top, double unit) {
  const TextMetrics names = MetricsFor(canvas, kNamePoints);
  std::size_t i = 0;
  for (const SystemKind& row : kSystemKinds) {
    if (row.shape != SystemShape::Front) continue;
    const double x = left + static_cast<double>(i % 2) * kFrontColumnWidth * unit;
    const double y = top + (static_cast<double>(i / 2) + 0.5) * kFrontRowHeight * unit;
    const std::array<PointF, 2> sample = {PointF{x, y}, PointF{x + kFrontSampleLength * unit, y}};
    DrawFrontRun(canvas, row.front, sample, LegendBox(canvas));
    canvas.SetForeColour(kInk);
    canvas.SetFontSize(kNamePoints);
    WriteLeft(canvas, names, row.word, {x + (kFrontSampleLength + kTitleGap) * unit, y});
    ++i;
  }
}

}  // namespace

FrameMargins ChartFrameMargins(bool legend) {
  constexpr double k = kReferencePixelsPerUnit;
  const double legendStrip = legend ? kLegendWidth + 2 * kLegendMargin : 0;
  return {(kBandHeight + kEdgeStrip) * k, (kEdgeStrip + legendStrip) * k, kEdgeStrip * k, kEdgeStrip * k};
}

double EdgeStrip(const Canvas& canvas) { return kEdgeStrip * FrameUnit(canvas); }

Box TitleBandBox(const Canvas& canvas) {
  const Box view = ViewBox(canvas);
  const double edge = EdgeStrip(canvas);
  return {view.left - edge, view.top - edge - kBandHeight * FrameUnit(canvas), view.right + edge, view.top - edge};
}

void DrawTitleBand(Canvas& canvas, std::string_view observationDate, std::optional<float> isobarInterval) {
  const double unit = FrameUnit(canvas);
  const Box band = TitleBandBox(canvas);
  FilledBox(canvas, band, kPaper, kFrame);
  const double middle = (band.top + band.bottom) / 2;
  canvas.SetForeColour(kInk);
  canvas.SetFontBold(true);
  const TextMetrics title = MetricsFor(canvas, kTitlePoints);
  const double titleLeft = band.left + kBandInset * unit;
  WriteLeft(canvas, title, kMapName, {titleLeft, middle});
  canvas.SetFontBold(false);
  const TextMetrics date = MetricsFor(canvas, kDatePoints);
  WriteLeft(canvas, date, DateText(observationDate),
            {titleLeft + TextWidth(title, kMapName) + 2 * kTitleGap * unit, middle});
  if (!isobarInterval) return;
  const std::string spacing = "等圧線 " + ShortestDecimal(*isobarInterval / kPressureScale) + "hPaごと";
  const TextMetrics note = MetricsFor(canvas, kNotePoints);
  WriteLeft(canvas, note, spacing, {band.right - kBandInset * unit - TextWidth(note, spacing), middle});
}

Box LegendBox(const Canvas& canvas) {
  const Box view = ViewBox(canvas);
  const double unit = FrameUnit(canvas);
  const double left = view.right + EdgeStrip(canvas) + kLegendMargin * unit;
  return {left, view.top, left + kLegendWidth * unit, view.top + kLegendHeight * unit};
}

void DrawLegend(Canvas& canvas) {
  const double unit = FrameUnit(canvas);
  const Box box = LegendBox(canvas);
  FilledBox(canvas, box, kPaper, kFrame);
  const double left = box.left + kLegendPad * unit;
  double top = box.top + kLegendPad * unit;
  canvas.SetForeColour(kInk);
  canvas.SetFontBold(true);
  WriteLeft(canvas, MetricsFor(canvas, kHeadingPoints), "凡例", {left, top + kHeadingHeight * unit / 2});
  canvas.SetFontBold(false);
  top += kHeadingHeight * unit;
  top = WeatherSection(canvas, left, top, unit) + kSectionGap * unit;
  top = WindSection(canvas, left, top, unit) + kSectionGap * unit;
  FrontSection(canvas, left, top, unit);
  canvas.SetLineWidth(kThinLineWidth);
}

}  // namespace nimbara::chart
