#pragma once
// Paths in map units: their length, the point at a distance along them, a
// smooth curve through their vertices, and their parts inside or outside a
// box. The chart drawing builds its isobars, fronts and label gaps from these.

#include <span>
#include <vector>

#include "core/Projection.h"

namespace nimbara {

using Path = std::vector<PointF>;

// A straight line between two points.
struct LineSegment {
  PointF from;
  PointF to;
  bool operator==(const LineSegment&) const = default;
};

// An axis-aligned box; left <= right and top <= bottom.
struct Box {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;

  bool Overlaps(const Box& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
  // Overlapping or sharing an edge or a corner (so that the flat bounds of an
  // axis-aligned segment still meet what it crosses).
  bool Touches(const Box& other) const {
    return left <= other.right && other.left <= right && top <= other.bottom && other.top <= bottom;
  }
  bool Contains(PointF p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
  Box Grown(double margin) const { return {left - margin, top - margin, right + margin, bottom + margin}; }
  PointF Centre() const { return {(left + right) / 2, (top + bottom) / 2}; }
};

// A box of this size centred on a point.
Box BoxAround(PointF centre, double width, double height);

double Distance(PointF a, PointF b);
double SquaredDistance(PointF a, PointF b);
double PathLength(std::span<const PointF> path);

// A place on a path and the unit direction the path runs there.
struct PathPlace {
  PointF at;
  PointF direction;
};

// A path measured by arc length.
class PathMeasure {
 public:
  explicit PathMeasure(std::span<const PointF> path);
  double Length() const { return m_lengths.empty() ? 0 : m_lengths.back(); }
  // The place `distance` along the path (clamped to its ends).
  PathPlace At(double distance) const;
  // The part of the path from one distance along it to another.
  Path Between(double from, double to) const;

 private:
  std::span<const PointF> m_path;
  std::vector<double> m_lengths;  // distance along the path to each vertex
};

// A curve through every point of `points` (centripetal Catmull-Rom), each
// span between neighbours cut into `piecesPerSpan` straight pieces. A path
// whose last point repeats its first is smoothed round that point too.
Path SmoothThrough(std::span<const PointF> points, int piecesPerSpan);

// The parts of a path inside the box, and those outside it.
std::vector<Path> PartsInside(std::span<const PointF> path, const Box& box);
std::vector<Path> PartsOutside(std::span<const PointF> path, const Box& box);
// The parts of a path outside every one of the boxes.
std::vector<Path> PartsOutsideAll(std::span<const PointF> path, std::span<const Box> boxes);

// The part of a closed polygon (its last point may repeat its first) inside
// the box, as one closed polygon (last point repeating the first, empty when
// nothing is inside): where the polygon leaves the box it runs along the
// box's sides, so parts the box cuts apart are joined by edges there that
// enclose nothing, and the result fills (even-odd) just where the polygon
// did inside the box.
Path ClipPolygon(std::span<const PointF> polygon, const Box& box);

// Whether a closed path (last point repeating the first) goes round the
// point, as an even-odd fill decides.
bool Encloses(std::span<const PointF> ring, PointF p);

// Whether the segment a-b passes through the box.
bool SegmentMeetsBox(PointF a, PointF b, const Box& box);

}  // namespace nimbara
