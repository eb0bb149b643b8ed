#pragma once
// The plane geometry the practice score is made of: nearest points on
// polylines, crossings, sides, even sampling, and distances in kilometres
// through the map projection.

#include <optional>
#include <span>

#include "core/PathGeometry.h"

namespace nimbara {

// The point of a path nearest to `p`, and where it lies: on segment
// `segment` (from vertex `segment` to the next), at an end of the path or not.
struct NearestOnPath {
  PointF at;
  double distance = 0.0;  // map units
  std::size_t segment = 0;
  bool atEnd = false;
};
// Nothing for an empty path.
std::optional<NearestOnPath> NearestPointOn(std::span<const PointF> path, PointF p);

// Whether the segments a-b and c-d cross (touching ends count).
bool SegmentsCross(PointF a, PointF b, PointF c, PointF d);
// Whether two paths cross anywhere.
bool PathsCross(std::span<const PointF> first, std::span<const PointF> second);

// Points every `step` map units along the path, from its start; its last
// point too.
Path EvenPoints(std::span<const PointF> path, double step);

// Positive when `p` lies left of the segment a-b as the map shows it (y
// grows downwards), negative when right, 0 on its line.
double SideOf(PointF a, PointF b, PointF p);

// The great-circle distance between the places two map points stand for, or
// nothing when either lies beyond the map's latitudes.
std::optional<double> KilometresBetween(PointF a, PointF b);

}  // namespace nimbara
