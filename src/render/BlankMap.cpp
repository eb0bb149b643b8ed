#include "render/BlankMap.h"

#include "core/Projection.h"
#include "render/BaseMap.h"

namespace nimbara {
namespace {

constexpr Colour kCoastColour = Rgb(60, 60, 60);
constexpr Colour kGridColour = Rgb(170, 170, 170);
constexpr Colour kStationColour = kBlack;
constexpr double kGridStep = 10.0;
// The meridians that cross the map, and the longitudes the parallels are
// sampled over (wide enough to reach both edges at every latitude).
constexpr double kFirstMeridian = 100.0;
constexpr double kLastMeridian = 160.0;
constexpr double kParallelWest = 80.0;
constexpr double kParallelEast = 190.0;
constexpr double kParallelSampleStep = 1.0;  // degrees of longitude per segment
constexpr double kFirstParallel = 20.0;
constexpr double kLastParallel = 50.0;
constexpr double kLatitudeLabelLongitude = 105.0;
constexpr double kLongitudeLabelLatitude = 48.0;
constexpr double kStationDotRadius = 1.2;
constexpr double kLabelSize = 6.0;            // points
constexpr double kLabelOffset = 1.8;          // map units right of and above the dot
constexpr double kGridLabelSize = 6.0;

void DrawParallel(Canvas& canvas, double latitude) {
  std::optional<PointF> previous;
  for (double lon = kParallelWest; lon <= kParallelEast; lon += kParallelSampleStep) {
    const auto p = ProjectLatLonExact(latitude, lon);
    if (previous && p) canvas.Line({previous->x, previous->y}, {p->x, p->y}, kGridColour);
    previous = p;
  }
}

// Meridians are straight lines through the pole, so two points draw one.
void DrawMeridian(Canvas& canvas, double longitude) {
  const auto south = ProjectLatLonExact(kSouthernmostLatitude, longitude);
  const auto north = ProjectLatLonExact(kNorthernmostLatitude, longitude);
  if (south && north) canvas.Line({south->x, south->y}, {north->x, north->y}, kGridColour);
}

std::string DegreeLabel(double value, const char* suffix) {
  return std::to_string(static_cast<int>(value)) + "°" + suffix;
}

}  // namespace

void DrawBlankMap(Canvas& canvas, const StationTable& stations, int stationCount) {
  canvas.SetLineWidth(kThinLineWidth);
  canvas.SetFontBold(false);
  canvas.SetForeColour(kGridColour);
  canvas.SetFontSize(kGridLabelSize);
  for (double lat = kFirstParallel; lat <= kLastParallel; lat += kGridStep) {
    DrawParallel(canvas, lat);
    if (const auto at = ProjectLatLonExact(lat, kLatitudeLabelLongitude))
      canvas.Text({at->x, at->y}, DegreeLabel(lat, "N"));
  }
  for (double lon = kFirstMeridian; lon <= kLastMeridian; lon += kGridStep) {
    DrawMeridian(canvas, lon);
    if (const auto at = ProjectLatLonExact(kLongitudeLabelLatitude, lon))
      canvas.Text({at->x + 1, at->y}, DegreeLabel(lon, "E"));
  }
  DrawBaseMap(canvas, kCoastColour);
  canvas.SetForeColour(kStationColour);
  canvas.SetFillColour(kStationColour);
  canvas.SetFillStyle(FillStyle::Solid);
  canvas.SetFontSize(kLabelSize);
  for (int slot = 0; slot < stationCount && slot < kBuiltInStationCount; ++slot) {
    const PointF at{static_cast<double>(stations.x[slot]), static_cast<double>(stations.y[slot])};
    canvas.Circle(at, kStationDotRadius, kStationColour);
    canvas.Text({at.x + kLabelOffset, at.y - 2 * kLabelOffset}, stations.names[slot]);
  }
  canvas.SetFillStyle(FillStyle::Transparent);
}

}  // namespace nimbara
