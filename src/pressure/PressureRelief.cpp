#include "pressure/PressureRelief.h"

#include <algorithm>
#include <array>

#include "core/Coastline.h"

namespace nimbara {

namespace {

constexpr float kShiftDivisor = 2.0f;         // each row shifted left by half its y
constexpr float kShiftOrigin = 200.0f;
constexpr float kDepthFactor = 2.0f / 3.0f;   // rows compressed to two thirds
constexpr float kBaseHectopascals = 850.0f;
constexpr float kUnitsPerHectopascal = 6.0f;
constexpr float kBaseHeight = 1040.0f;

constexpr std::int32_t kPlanePressure = 101300;  // 1013 hPa
constexpr float kPlaneNear = kNodeSpacing;                // 12
constexpr float kPlaneFar = 399.0f - kNodeSpacing;        // 387
constexpr int kFirstMeshNode = 1;
constexpr int kLastMeshNode = kGridLast - 1;

// Nodes outside this range are not framed by the view: a node never filled
// (0) lies thousands of units below the plane.
constexpr std::int32_t kLowestFramed = 80000;
constexpr std::int32_t kHighestFramed = 120000;
constexpr float kViewMargin = 10.0f;
constexpr float kLeastViewSize = 600.0f;

PointF NodePoint(const PressureGrid& grid, int column, int row) {
  return ReliefPoint(static_cast<float>(kNodeSpacing * column), static_cast<float>(kNodeSpacing * row),
                     grid.At(column, row));
}

void AddPlaneAndPosts(std::vector<LineSegment>& lines, const PressureGrid& grid) {
  struct Corner {
    float x;
    float y;
    int column;
    int row;
  };
  // Clockwise from the upper left, each with its nearest interior node.
  const std::array<Corner, 4> corners = {{{kPlaneNear, kPlaneNear, kFirstMeshNode, kFirstMeshNode},
                                          {kPlaneFar, kPlaneNear, kLastMeshNode, kFirstMeshNode},
                                          {kPlaneFar, kPlaneFar, kLastMeshNode, kLastMeshNode},
                                          {kPlaneNear, kPlaneFar, kFirstMeshNode, kLastMeshNode}}};
  const auto onPlane = [](const Corner& c) { return ReliefPoint(c.x, c.y, kPlanePressure); };
  lines.push_back({onPlane(corners[0]), onPlane(corners[1])});
  lines.push_back({onPlane(corners[1]), onPlane(corners[2])});
  lines.push_back({onPlane(corners[2]), onPlane(corners[3])});
  lines.push_back({onPlane(corners[0]), onPlane(corners[3])});
  for (const Corner& c : corners) lines.push_back({onPlane(c), ReliefPoint(c.x, c.y, grid.At(c.column, c.row))});
}

void AddOutline(std::vector<LineSegment>& lines) {
  for (const CoastSegment& s : CoastSegments())
    lines.push_back({ReliefPoint(s.x1, s.y1, kPlanePressure), ReliefPoint(s.x2, s.y2, kPlanePressure)});
}

std::vector<LineSegment> Mesh(const PressureGrid& grid) {
  std::vector<LineSegment> lines;
  for (int r = kFirstMeshNode; r <= kLastMeshNode; ++r)
    for (int c = kFirstMeshNode; c < kLastMeshNode; ++c)
      lines.push_back({NodePoint(grid, c, r), NodePoint(grid, c + 1, r)});
  for (int c = kFirstMeshNode; c <= kLastMeshNode; ++c)
    for (int r = kFirstMeshNode; r < kLastMeshNode; ++r)
      lines.push_back({NodePoint(grid, c, r), NodePoint(grid, c, r + 1)});
  return lines;
}

}  // namespace

PointF ReliefPoint(float x, float y, std::int32_t gridValue) {
  const float pressure = static_cast<float>(gridValue) / static_cast<float>(kPressureScale);
  const float screenX = x - y / kShiftDivisor + kShiftOrigin;
  const float screenY = kDepthFactor * y - (pressure - kBaseHectopascals) * kUnitsPerHectopascal + kBaseHeight;
  return {screenX, screenY};
}

ReliefLines PressureRelief(const PressureGrid& grid) {
  ReliefLines relief;
  AddPlaneAndPosts(relief.planeAndOutline, grid);
  AddOutline(relief.planeAndOutline);
  relief.mesh = Mesh(grid);
  return relief;
}

MapView ReliefView(const PressureGrid& grid) {
  // Horizontally the relief spans the plane's far-left and far-right corners.
  const double left = ReliefPoint(kPlaneNear, kPlaneFar, kPlanePressure).x;
  const double right = ReliefPoint(kPlaneFar, kPlaneNear, kPlanePressure).x;
  double top = ReliefPoint(kPlaneNear, kPlaneNear, kPlanePressure).y;
  double bottom = ReliefPoint(kPlaneFar, kPlaneFar, kPlanePressure).y;
  for (int c = kFirstMeshNode; c <= kLastMeshNode; ++c)
    for (int r = kFirstMeshNode; r <= kLastMeshNode; ++r) {
      const std::int32_t value = grid.At(c, r);
      if (value <= kLowestFramed || value >= kHighestFramed) continue;
      const double y = NodePoint(grid, c, r).y;
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  const double size =
      std::max<double>({kLeastViewSize, right - left + 2 * kViewMargin, bottom - top + 2 * kViewMargin});
  const double centreX = (left + right) / 2.0;
  const double centreY = (top + bottom) / 2.0;
  return {static_cast<float>(centreY - size / 2.0), static_cast<float>(centreX - size / 2.0),
          static_cast<float>(size), static_cast<float>(size)};
}

}  // namespace nimbara
