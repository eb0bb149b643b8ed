#include "render/chart/ChartBase.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "core/Projection.h"
#include "render/chart/ChartLand.h"
#include "render/chart/ChartPalette.h"
#include "render/chart/ChartText.h"

namespace nimbara::chart {
namespace {

constexpr double kGraticuleStep = 10.0;  // degrees
// Every meridian and parallel that can cross the map, and the span they are
// drawn over (the map square lies between about 82 and 168 degrees east,
// 7 and 60 degrees north).
constexpr double kWestMeridian = 80.0;
constexpr double kEastMeridian = 170.0;
constexpr double kSouthParallel = 0.0;
constexpr double kNorthParallel = 60.0;
constexpr double kSpanWest = 60.0;
constexpr double kSpanEast = 200.0;
constexpr double kSpanSouth = -10.0;
constexpr double kSpanNorth = 70.0;
constexpr double kParallelSampleStep = 1.0;  // degrees of longitude per piece
constexpr double kDegreePoints = 6.5;         // font size of the degrees
constexpr double kDegreeInset = 1.0;          // map units between a degree and the edge
// Over a satellite picture the graticule is dashed, in a colour of its own,
// so that it does not read as isobars.
constexpr double kDash = 3.0;     // map units
constexpr double kDashGap = 3.0;

Path Parallel(double latitude) {
  Path points;
  for (double lon = kSpanWest; lon <= kSpanEast; lon += kParallelSampleStep) {
    const PointF p = ProjectLatLonContinuous(latitude, lon);
    points.push_back({p.x, p.y});
  }
  return points;
}

// Meridians are straight lines through the pole.
Path Meridian(double longitude) {
  const PointF south = ProjectLatLonContinuous(kSpanSouth, longitude);
  const PointF north = ProjectLatLonContinuous(kSpanNorth, longitude);
  return {{south.x, south.y}, {north.x, north.y}};
}

std::string Degrees(double value, const char* hemisphere) {
  return std::to_string(static_cast<int>(value)) + "°" + hemisphere;
}

// Where a visible piece of a graticule line ends on the given edge of the
// view, if it does.
std::optional<PointF> EndOnEdge(const std::vector<Path>& pieces, double edge, bool vertical) {
  constexpr double kOnEdge = 1e-6;
  for (const Path& piece : pieces)
    for (const PointF& end : {piece.front(), piece.back()})
      if (std::fabs((vertical ? end.x : end.y) - edge) < kOnEdge) return end;
  return std::nullopt;
}

void GraticuleLine(Canvas& canvas, const Path& piece) {
  if (!canvas.HasPicture()) {
    canvas.Polyline(piece, kGraticule);
    return;
  }
  const PathMeasure measure(piece);
  for (double at = 0; at < measure.Length(); at += kDash + kDashGap)
    canvas.Polyline(measure.Between(at, std::min(at + kDash, measure.Length())), kPictureGraticule);
}

// Thin lines without a halo: grey on paper, dashed over a satellite picture.
void DrawGraticule(Canvas& canvas, const Box& view) {
  canvas.SetLineWidth(kThinLineWidth);
  const TextMetrics metrics = MetricsFor(canvas, kDegreePoints);
  canvas.SetFontBold(false);
  canvas.SetForeColour(kGraticuleText);
  const auto label = [&](const std::string& text, PointF centre) { CentredHaloText(canvas, metrics, text, centre); };
  for (double lat = kSouthParallel; lat <= kNorthParallel; lat += kGraticuleStep) {
    const std::vector<Path> pieces = PartsInside(Parallel(lat), view);
    for (const Path& piece : pieces) GraticuleLine(canvas, piece);
    if (const auto end = EndOnEdge(pieces, view.left, true)) {
      const std::string text = Degrees(lat, "N");
      label(text, {view.left + kDegreeInset + TextWidth(metrics, text) / 2, end->y - metrics.height / 2});
    }
  }
  for (double lon = kWestMeridian; lon <= kEastMeridian; lon += kGraticuleStep) {
    const std::vector<Path> pieces = PartsInside(Meridian(lon), view);
    for (const Path& piece : pieces) GraticuleLine(canvas, piece);
    if (const auto end = EndOnEdge(pieces, view.bottom, false)) {
      const std::string text = Degrees(lon, "E");
      label(text, {end->x + kDegreeInset + TextWidth(metrics, text) / 2, view.bottom - kDegreeInset - metrics.height / 2});
    }
  }
}

}  // namespace

Box ViewBox(const Canvas& canvas) {
  const MapView& v = canvas.Scale();
  const double right = v.left + v.width;
  const double bottom = v.top + v.height;
  return {std::min<double>(v.left, right), std::min<double>(v.top, bottom), std::max<double>(v.left, right),
          std::max<double>(v.top, bottom)};
}

Box CanvasBox(const Canvas& canvas) {
  const PointF a = canvas.FromPixels({0, 0});
  const PointF b =
      canvas.FromPixels({static_cast<double>(canvas.PixelWidth()), static_cast<double>(canvas.PixelHeight())});
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

void DrawPaper(Canvas& canvas, bool tinted) {
  const Box all = CanvasBox(canvas);
  if (!canvas.HasPicture() && !tinted) {
    canvas.Rect({all.left, all.top}, {all.right, all.bottom}, kPaper, true);
    return;
  }
  const Box view = ViewBox(canvas);
  for (const Box& strip : {Box{all.left, all.top, all.right, view.top}, Box{all.left, view.bottom, all.right, all.bottom},
                           Box{all.left, view.top, view.left, view.bottom}, Box{view.right, view.top, all.right, view.bottom}})
    if (strip.right > strip.left && strip.bottom > strip.top)
      canvas.Rect({strip.left, strip.top}, {strip.right, strip.bottom}, kPaper, true);
}

void DrawGraticuleAndCoast(Canvas& canvas, const ObservationStore& store) {
  const std::vector<Path> islands = IslandRings(canvas, store);
  TintLandAndSea(canvas, islands);
  DrawGraticule(canvas, ViewBox(canvas));
  DrawShore(canvas, islands);
}

void StrokeLine(Canvas& canvas, std::span<const PointF> points, Colour colour, int width) {
  if (canvas.HasPicture()) {
    canvas.SetLineWidth(width + kLineHaloExtra);
    canvas.Polyline(points, kHalo);
  }
  canvas.SetLineWidth(width);
  canvas.Polyline(points, colour);
}

}  // namespace nimbara::chart
