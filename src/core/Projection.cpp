#include "core/Projection.h"

#include <array>
#include <cmath>
#include <utility>

#include "core/Numbers.h"

namespace nimbara {
namespace {

constexpr double kBaseRadius = 265.0;
constexpr double kBandDegrees = 5.0;
// (threshold latitude, radius step of the band below it), north to south.
constexpr std::array<std::pair<double, double>, 8> kBands = {
    {{50, 34}, {45, 38}, {40, 40}, {35, 42}, {30, 44}, {25, 46}, {20, 48}, {15, 50}}};
constexpr double kSouthernBandStep = 50.0;  // the bands up to 15 degrees

// The step of the 5-degree band starting at `bandStart`: the step of the first
// threshold below it.
double BandStep(double bandStart) {
  for (const auto& [threshold, step] : kBands) {
    if (bandStart > threshold) return step;
  }
  return kSouthernBandStep;
}

// The point `r` from the pole on the meridian of `longitude`.
PointF AtRadius(double r, double longitude) {
  const double theta = (longitude - kCentralMeridian) / 180.0 * kMapPi * kMeridianFactor;
  return {kPoleX + r * std::sin(theta), r * std::cos(theta) + kPoleY};
}

}  // namespace

double PolarRadius(double latitude) {
  if (latitude < kSouthernmostLatitude || latitude > kNorthernmostLatitude) return 0.0;
  double r = kBaseRadius;
  for (const auto& [threshold, step] : kBands) {
    if (latitude < threshold) r += step;
  }
  const double band = kBandDegrees * std::floor(latitude / kBandDegrees);
  const double fraction = latitude - band;
  const double b = BandStep(band);
  return r + b - b * fraction / kBandDegrees;
}

double ContinuousPolarRadius(double latitude) {
  constexpr double kSouthernBoundary = kSouthernmostLatitude;
  constexpr double kNorthernBoundary = kBands.front().first;
  if (latitude >= kNorthernBoundary)
    return PolarRadius(kNorthernBoundary) - (latitude - kNorthernBoundary) * kBands.front().second / kBandDegrees;
  if (latitude <= kSouthernBoundary)
    return PolarRadius(kSouthernBoundary) + (kSouthernBoundary - latitude) * kSouthernBandStep / kBandDegrees;
  const double band = kBandDegrees * std::floor(latitude / kBandDegrees);
  const double fraction = (latitude - band) / kBandDegrees;
  return PolarRadius(band) + (PolarRadius(band + kBandDegrees) - PolarRadius(band)) * fraction;
}

PointF ProjectLatLonContinuous(double latitude, double longitude) {
  return AtRadius(ContinuousPolarRadius(latitude), longitude);
}

std::optional<PointF> ProjectLatLonExact(double latitude, double longitude) {
  const double r = PolarRadius(latitude);
  if (r == 0.0) return std::nullopt;
  return AtRadius(r, longitude);
}

std::optional<LatLon> LatLonAt(double x, double y) {
  const double r = std::hypot(x - kPoleX, y - kPoleY);
  const double longitude = kCentralMeridian + std::atan2(x - kPoleX, y - kPoleY) * 180.0 / kMapPi / kMeridianFactor;
  // From the band of 50 degrees (the last full one) south.
  for (double band = kBands.front().first; band >= kSouthernmostLatitude; band -= kBandDegrees) {
    const double latitude = band + (PolarRadius(band) - r) / BandStep(band) * kBandDegrees;
    if (latitude >= band && latitude < band + kBandDegrees) return LatLon{latitude, longitude};
  }
  return std::nullopt;
}

MapPoint ProjectLatLon(double latitude, double longitude) {
  const auto p = ProjectLatLonExact(latitude, longitude);
  if (!p) return {};
  return {RoundToInt(p->x), RoundToInt(p->y)};
}

}  // namespace nimbara
