#include "pressure/PracticeGeometry.h"

#include <algorithm>
#include <cmath>

#include "core/Projection.h"

namespace nimbara {
namespace {

constexpr double kEarthRadiusKm = 6371.0;
constexpr double kDegreesToRadians = 3.14159265358979323846 / 180.0;

double Cross(PointF o, PointF a, PointF b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

bool WithinBox(PointF a, PointF b, PointF p) {
  return p.x >= std::min(a.x, b.x) && p.x <= std::max(a.x, b.x) && p.y >= std::min(a.y, b.y) &&
         p.y <= std::max(a.y, b.y);
}

Box BoundsOf(std::span<const PointF> path) {
  Box box{path.front().x, path.front().y, path.front().x, path.front().y};
  for (const PointF& p : path) {
    box.left = std::min(box.left, p.x);
    box.right = std::max(box.right, p.x);
    box.top = std::min(box.top, p.y);
    box.bottom = std::max(box.bottom, p.y);
  }
  return box;
}

}  // namespace

std::optional<NearestOnPath> NearestPointOn(std::span<const PointF> path, PointF p) {
  if (path.empty()) return std::nullopt;
  // Compared squared: the one square root is taken at the end.
  NearestOnPath best{path.front(), SquaredDistance(path.front(), p), 0, true};
  for (std::size_t i = 0; i + 1 < path.size(); ++i) {
    const PointF a = path[i];
    const PointF b = path[i + 1];
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0.0;
    const PointF at{a.x + t * dx, a.y + t * dy};
    const double distance2 = SquaredDistance(at, p);
    if (distance2 < best.distance) {
      const bool atEnd = (i == 0 && t == 0.0) || (i + 2 == path.size() && t == 1.0);
      best = {at, distance2, i, atEnd};
    }
  }
  best.distance = std::sqrt(best.distance);
  return best;
}

bool SegmentsCross(PointF a, PointF b, PointF c, PointF d) {
  const double d1 = Cross(c, d, a);
  const double d2 = Cross(c, d, b);
  const double d3 = Cross(a, b, c);
  const double d4 = Cross(a, b, d);
  if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) return true;
  return (d1 == 0 && WithinBox(c, d, a)) || (d2 == 0 && WithinBox(c, d, b)) || (d3 == 0 && WithinBox(a, b, c)) ||
         (d4 == 0 && WithinBox(a, b, d));
}

bool PathsCross(std::span<const PointF> first, std::span<const PointF> second) {
  if (first.size() < 2 || second.size() < 2 || !BoundsOf(first).Touches(BoundsOf(second))) return false;
  const Box secondBounds = BoundsOf(second);
  for (std::size_t i = 0; i + 1 < first.size(); ++i) {
    const PointF a = first[i];
    const PointF b = first[i + 1];
    const Box segment = BoundsOf(first.subspan(i, 2));
    if (!segment.Touches(secondBounds)) continue;
    for (std::size_t j = 0; j + 1 < second.size(); ++j) {
      const PointF c = second[j];
      const PointF d = second[j + 1];
      if (std::max(c.x, d.x) < segment.left || std::min(c.x, d.x) > segment.right ||
          std::max(c.y, d.y) < segment.top || std::min(c.y, d.y) > segment.bottom)
        continue;
      if (SegmentsCross(a, b, c, d)) return true;
    }
  }
  return false;
}

Path EvenPoints(std::span<const PointF> path, double step) {
  if (path.empty()) return {};
  const PathMeasure measure(path);
  Path points;
  for (double along = 0; along < measure.Length(); along += step) points.push_back(measure.At(along).at);
  points.push_back(path.back());
  return points;
}

double SideOf(PointF a, PointF b, PointF p) {
  // With y downwards the sign of the cross product turns round.
  return -Cross(a, b, p);
}

std::optional<double> KilometresBetween(PointF a, PointF b) {
  const std::optional<LatLon> from = LatLonAt(a.x, a.y);
  const std::optional<LatLon> to = LatLonAt(b.x, b.y);
  if (!from || !to) return std::nullopt;
  const double lat1 = from->latitude * kDegreesToRadians;
  const double lat2 = to->latitude * kDegreesToRadians;
  const double dLat = lat2 - lat1;
  const double dLon = (to->longitude - from->longitude) * kDegreesToRadians;
  const double h = std::sin(dLat / 2) * std::sin(dLat / 2) +
                   std::cos(lat1) * std::cos(lat2) * std::sin(dLon / 2) * std::sin(dLon / 2);
  return 2 * kEarthRadiusKm * std::asin(std::min(1.0, std::sqrt(h)));
}

}  // namespace nimbara
