#pragma once
// From latitude and longitude to map units. The pole lies at (263, -237);
// meridians are straight lines through it, 0.9 times their difference in
// longitude apart, and parallels are arcs around it.

#include <cstdint>
#include <optional>

namespace nimbara {

struct MapPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const MapPoint&) const = default;
};

// A point in map units, not rounded: where lines are drawn and text stands.
struct PointF {
  double x = 0.0;
  double y = 0.0;
  bool operator==(const PointF&) const = default;
};

inline constexpr double kMapPi = 3.141592;  // the constant the map was drawn with
inline constexpr double kPoleX = 263.0;
inline constexpr double kPoleY = -237.0;
inline constexpr double kCentralMeridian = 135.0;
inline constexpr double kMeridianFactor = 0.9;
inline constexpr double kSouthernmostLatitude = 10.0;
inline constexpr double kNorthernmostLatitude = 56.0;

// Whether a map position stands for a place. (0, 0) is what ProjectLatLon
// gives for a latitude outside the map, and no whole-degree position on the
// map lands there, so it means "no map position".
inline bool HasMapPosition(MapPoint p) { return p.x != 0 || p.y != 0; }

// Radius in map units, 0 when the latitude lies outside the map.
double PolarRadius(double latitude);
// (0, 0) when the latitude lies outside the map.
MapPoint ProjectLatLon(double latitude, double longitude);

// The same projection without rounding, for drawing smooth lines (a
// latitude/longitude grid); nothing when the latitude lies outside the map.
std::optional<PointF> ProjectLatLonExact(double latitude, double longitude);

struct LatLon {
  double latitude = 0.0;
  double longitude = 0.0;
};
// The place a map point stands for: the projection turned round. Each 5-degree
// band of latitude starts a little farther from the pole than the band south
// of it ends, so near a band's start a radius belongs to two places: the
// northern one is taken, which puts a whole-degree latitude where its
// stations are drawn. The last degree, 55 to 56, lies wholly among the radii
// of 50 to 55 and is never the answer. Nothing beyond 10 and 55 degrees.
std::optional<LatLon> LatLonAt(double x, double y);

// The projection without its jumps at every fifth degree of latitude: the
// radius runs linearly between the radii the map has at 10, 15, …, 50 degrees
// north and goes on beyond them with the steps of the outermost bands, so a
// coast or parallel drawn with it is one smooth line. Defined at every
// latitude (tools/coastline projects the chart coast the same way).
double ContinuousPolarRadius(double latitude);
PointF ProjectLatLonContinuous(double latitude, double longitude);

}  // namespace nimbara
