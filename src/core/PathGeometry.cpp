#include "core/PathGeometry.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace nimbara {
namespace {

// Centripetal parametrisation: knots spaced by the square root of the
// distance, which keeps the curve from looping or overshooting at uneven
// vertex spacing.
double KnotStep(PointF a, PointF b) { return std::sqrt(Distance(a, b)); }
constexpr double kSamePoint = 1e-9;

// Exactly a at 0 and exactly b at 1.
PointF Lerp(PointF a, PointF b, double t) { return {(1 - t) * a.x + t * b.x, (1 - t) * a.y + t * b.y}; }

// The point at `t` of the span p1-p2 whose neighbours are p0 and p3
// (Barry and Goldman's pyramid of linear interpolations).
class CatmullRomSpan {
 public:
  CatmullRomSpan(PointF p0, PointF p1, PointF p2, PointF p3) : m_p{p0, p1, p2, p3} {
    for (int i = 1; i < 4; ++i) m_t[i] = m_t[i - 1] + KnotStep(m_p[i - 1], m_p[i]);
  }
  // s from 0 (p1) to 1 (p2).
  PointF At(double s) const {
    const double t = m_t[1] + s * (m_t[2] - m_t[1]);
    const auto mix = [t](PointF a, PointF b, double ta, double tb) { return Lerp(a, b, (t - ta) / (tb - ta)); };
    const PointF a1 = mix(m_p[0], m_p[1], m_t[0], m_t[1]);
    const PointF a2 = mix(m_p[1], m_p[2], m_t[1], m_t[2]);
    const PointF a3 = mix(m_p[2], m_p[3], m_t[2], m_t[3]);
    const PointF b1 = mix(a1, a2, m_t[0], m_t[2]);
    const PointF b2 = mix(a2, a3, m_t[1], m_t[3]);
    return mix(b1, b2, m_t[1], m_t[2]);
  }

 private:
  PointF m_p[4];
  double m_t[4] = {0, 0, 0, 0};
};

Path WithoutRepeats(std::span<const PointF> points) {
  Path out;
  for (const PointF& p : points)
    if (out.empty() || Distance(out.back(), p) > kSamePoint) out.push_back(p);
  return out;
}

// The parameter range of segment a-b inside the box (Liang and Barsky), or nothing.
std::optional<std::pair<double, double>> InsideRange(PointF a, PointF b, const Box& box) {
  double t0 = 0;
  double t1 = 1;
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const std::pair<double, double> edges[] = {
      {-dx, a.x - box.left}, {dx, box.right - a.x}, {-dy, a.y - box.top}, {dy, box.bottom - a.y}};
  for (const auto& [p, q] : edges) {
    if (p == 0) {
      if (q < 0) return std::nullopt;
      continue;
    }
    const double t = q / p;
    if (p < 0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
  }
  if (t0 > t1) return std::nullopt;
  return std::pair{t0, t1};
}

void EndPiece(std::vector<Path>& pieces, Path& piece) {
  if (piece.size() > 1) pieces.push_back(std::move(piece));
  piece.clear();
}

}  // namespace

Box BoxAround(PointF centre, double width, double height) {
  return {centre.x - width / 2, centre.y - height / 2, centre.x + width / 2, centre.y + height / 2};
}

// Map distances are far from overflow, so the plain root serves: std::hypot's
// care for it made a fifth of a chart's path work.
double Distance(PointF a, PointF b) { return std::sqrt(SquaredDistance(a, b)); }

double SquaredDistance(PointF a, PointF b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  return dx * dx + dy * dy;
}

double PathLength(std::span<const PointF> path) {
  double length = 0;
  for (std::size_t i = 1; i < path.size(); ++i) length += Distance(path[i - 1], path[i]);
  return length;
}

PathMeasure::PathMeasure(std::span<const PointF> path) : m_path(path) {
  m_lengths.reserve(path.size());
  double length = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (i > 0) length += Distance(path[i - 1], path[i]);
    m_lengths.push_back(length);
  }
}

PathPlace PathMeasure::At(double distance) const {
  if (m_path.size() < 2) return {m_path.empty() ? PointF{} : m_path.front(), {1, 0}};
  distance = std::clamp(distance, 0.0, Length());
  // The segment that holds the distance, skipping segments of no length.
  auto end = std::lower_bound(m_lengths.begin() + 1, m_lengths.end(), distance);
  if (end == m_lengths.end()) --end;
  auto segment = static_cast<std::size_t>(end - m_lengths.begin()) - 1;
  while (segment + 1 < m_path.size() - 1 && m_lengths[segment + 1] - m_lengths[segment] <= kSamePoint) ++segment;
  const PointF a = m_path[segment];
  const PointF b = m_path[segment + 1];
  const double length = m_lengths[segment + 1] - m_lengths[segment];
  if (length <= kSamePoint) return {a, {1, 0}};
  return {Lerp(a, b, std::clamp((distance - m_lengths[segment]) / length, 0.0, 1.0)),
          {(b.x - a.x) / length, (b.y - a.y) / length}};
}

Path PathMeasure::Between(double from, double to) const {
  Path part{At(from).at};
  for (std::size_t i = 0; i < m_path.size(); ++i)
    if (m_lengths[i] > from && m_lengths[i] < to) part.push_back(m_path[i]);
  part.push_back(At(to).at);
  return part;
}

Path SmoothThrough(std::span<const PointF> points, int piecesPerSpan) {
  const Path p = WithoutRepeats(points);
  if (p.size() < 3 || piecesPerSpan < 1) return p;
  const bool closed = p.size() > 3 && Distance(p.front(), p.back()) <= kSamePoint;
  const std::size_t n = p.size();
  // Neighbours beyond the ends: round the closing point of a closed path,
  // else mirrored, so the curve leaves an end in the direction of its span.
  const auto at = [&](std::ptrdiff_t i) -> PointF {
    if (closed) {
      const auto unique = static_cast<std::ptrdiff_t>(n - 1);
      return p[static_cast<std::size_t>(((i % unique) + unique) % unique)];
    }
    if (i < 0) return Lerp(p[1], p[0], 2.0);
    if (i >= static_cast<std::ptrdiff_t>(n)) return Lerp(p[n - 2], p[n - 1], 2.0);
    return p[static_cast<std::size_t>(i)];
  };
  Path out{p.front()};
  out.reserve((n - 1) * static_cast<std::size_t>(piecesPerSpan) + 1);
  for (std::size_t i = 0; i + 1 < n; ++i) {
    const auto k = static_cast<std::ptrdiff_t>(i);
    const CatmullRomSpan span(at(k - 1), p[i], p[i + 1], at(k + 2));
    for (int piece = 1; piece < piecesPerSpan; ++piece) out.push_back(span.At(static_cast<double>(piece) / piecesPerSpan));
    out.push_back(p[i + 1]);
  }
  return out;
}

std::vector<Path> PartsInside(std::span<const PointF> path, const Box& box) {
  std::vector<Path> pieces;
  Path piece;
  for (std::size_t i = 1; i < path.size(); ++i) {
    const auto range = InsideRange(path[i - 1], path[i], box);
    if (!range) {
      EndPiece(pieces, piece);
      continue;
    }
    if (range->first > 0) EndPiece(pieces, piece);
    if (piece.empty()) piece.push_back(Lerp(path[i - 1], path[i], range->first));
    piece.push_back(Lerp(path[i - 1], path[i], range->second));
    if (range->second < 1) EndPiece(pieces, piece);
  }
  EndPiece(pieces, piece);
  return pieces;
}

std::vector<Path> PartsOutside(std::span<const PointF> path, const Box& box) {
  std::vector<Path> pieces;
  Path piece;
  for (std::size_t i = 1; i < path.size(); ++i) {
    const PointF a = path[i - 1];
    const PointF b = path[i];
    const auto range = InsideRange(a, b, box);
    if (piece.empty() && (!range || range->first > 0)) piece.push_back(a);
    if (!range) {
      piece.push_back(b);
      continue;
    }
    if (range->first > 0) piece.push_back(Lerp(a, b, range->first));
    EndPiece(pieces, piece);
    if (range->second < 1) piece = {Lerp(a, b, range->second), b};
  }
  EndPiece(pieces, piece);
  return pieces;
}

std::vector<Path> PartsOutsideAll(std::span<const PointF> path, std::span<const Box> boxes) {
  if (path.size() < 2) return {};
  std::vector<Path> parts{Path(path.begin(), path.end())};
  for (const Box& box : boxes) {
    std::vector<Path> outside;
    for (const Path& part : parts)
      for (Path& piece : PartsOutside(part, box)) outside.push_back(std::move(piece));
    parts = std::move(outside);
  }
  return parts;
}

Path ClipPolygon(std::span<const PointF> polygon, const Box& box) {
  // Sutherland and Hodgman: clipped by each side's half-plane in turn.
  struct Side {
    bool vertical;  // a side of constant x
    double at;
    bool keepBelow;  // keeps the coordinate at or below `at`
  };
  const Side sides[] = {{true, box.left, false}, {true, box.right, true}, {false, box.top, false}, {false, box.bottom, true}};
  Path points(polygon.begin(), polygon.end());
  if (points.size() > 1 && points.front() == points.back()) points.pop_back();
  Path clipped;
  for (const Side& side : sides) {
    const auto coordinate = [&](PointF p) { return side.vertical ? p.x : p.y; };
    const auto inside = [&](PointF p) { return side.keepBelow ? coordinate(p) <= side.at : coordinate(p) >= side.at; };
    const auto crossing = [&](PointF a, PointF b) {
      PointF p = Lerp(a, b, (side.at - coordinate(a)) / (coordinate(b) - coordinate(a)));
      (side.vertical ? p.x : p.y) = side.at;  // exactly on the side
      return p;
    };
    clipped.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const PointF a = points[(i + points.size() - 1) % points.size()];
      const PointF b = points[i];
      if (inside(a) != inside(b)) clipped.push_back(crossing(a, b));
      if (inside(b)) clipped.push_back(b);
    }
    points.swap(clipped);
  }
  if (points.size() < 3) return {};
  points.push_back(points.front());
  return points;
}

bool Encloses(std::span<const PointF> ring, PointF p) {
  bool inside = false;  // flips at each crossing of a ray eastward
  for (std::size_t i = 1; i < ring.size(); ++i) {
    const PointF a = ring[i - 1];
    const PointF b = ring[i];
    if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y)) inside = !inside;
  }
  return inside;
}

bool SegmentMeetsBox(PointF a, PointF b, const Box& box) { return InsideRange(a, b, box).has_value(); }

}  // namespace nimbara
