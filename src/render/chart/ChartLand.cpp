#include "render/chart/ChartLand.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "render/chart/ChartBase.h"
#include "render/chart/ChartCoast.h"
#include "render/chart/ChartPalette.h"

namespace nimbara::chart {
namespace {

// An island station's island: a ring just round its symbol's circle.
constexpr double kIslandRadius = 4.5;
constexpr int kIslandSides = 24;

std::span<const PointF> RingPoints(const CoastRing& ring) { return CoastPoints().subspan(ring.first, ring.count); }

// Whether a segment runs along a side of the coast table's box, where a
// ring the map's edge cut was closed.
bool AlongTheTablesEdge(PointF a, PointF b) {
  const Box& box = kCoastBox;
  return (a.x == b.x && (a.x == box.left || a.x == box.right)) || (a.y == b.y && (a.y == box.top || a.y == box.bottom));
}

// A ring's shore: the ring cut where it runs along the table's edge.
std::vector<Path> ShoreOf(std::span<const PointF> ring) {
  std::vector<Path> shore;
  Path piece;
  for (std::size_t i = 1; i < ring.size(); ++i) {
    if (AlongTheTablesEdge(ring[i - 1], ring[i])) {
      if (piece.size() > 1) shore.push_back(std::move(piece));
      piece.clear();
      continue;
    }
    if (piece.empty()) piece.push_back(ring[i - 1]);
    piece.push_back(ring[i]);
  }
  if (piece.size() > 1) shore.push_back(std::move(piece));
  return shore;
}

void FillInside(Canvas& canvas, std::span<const PointF> polygon, Colour colour, const Box& view) {
  const Path inside = ClipPolygon(polygon, view);
  if (inside.empty()) return;
  canvas.SetForeColour(colour);
  canvas.SetFillColour(colour);
  canvas.Polygon(inside);
}

}  // namespace

std::vector<Path> IslandRings(const Canvas& canvas, const ObservationStore& store) {
  const double across = kIslandRadius;
  const double upDown = kIslandRadius * canvas.VerticalUnitsPerHorizontalUnit();
  std::vector<Path> rings;
  for (int slot = 0; slot < std::min<int>(store.stationCount, kBuiltInStationCount); ++slot) {
    const std::string& name = store.stations.names[slot];
    if (std::find(kIslandStations.begin(), kIslandStations.end(), name) == kIslandStations.end()) continue;
    const PointF at{static_cast<double>(store.stations.x[slot]), static_cast<double>(store.stations.y[slot])};
    Path ring;
    for (int i = 0; i <= kIslandSides; ++i) {
      const double angle = 2 * std::numbers::pi * (i % kIslandSides) / kIslandSides;
      ring.push_back({at.x + across * std::cos(angle), at.y + upDown * std::sin(angle)});
    }
    rings.push_back(std::move(ring));
  }
  return rings;
}

void TintLandAndSea(Canvas& canvas, std::span<const Path> islands) {
  if (canvas.HasPicture()) return;
  const Box view = ViewBox(canvas);
  canvas.Rect({view.left, view.top}, {view.right, view.bottom}, kSea, true);
  canvas.SetLineWidth(kNoOutline);  // the shore is drawn over the edges
  canvas.SetFillStyle(FillStyle::Solid);
  for (const CoastRing& ring : CoastRings())
    FillInside(canvas, RingPoints(ring), ring.kind == CoastKind::Land ? kLand : kSea, view);
  for (const Path& island : islands) FillInside(canvas, island, kLand, view);
  canvas.SetFillStyle(FillStyle::Transparent);
  canvas.SetLineWidth(kThinLineWidth);
}

void DrawShore(Canvas& canvas, std::span<const Path> islands) {
  const Box view = ViewBox(canvas);
  const auto stroke = [&](std::span<const PointF> line) {
    for (const Path& inside : PartsInside(line, view)) StrokeLine(canvas, inside, kCoast, kCoastWidth);
  };
  for (const CoastRing& ring : CoastRings())
    for (const Path& shore : ShoreOf(RingPoints(ring))) stroke(shore);
  for (const Path& island : islands) stroke(island);
  canvas.SetLineWidth(kThinLineWidth);
}

}  // namespace nimbara::chart
