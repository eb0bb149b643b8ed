#include "pressure/GridPasses.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "core/Numbers.h"
#include "core/Projection.h"
#include "core/SystemKind.h"
#include "pressure/NearestNode.h"

namespace nimbara {

namespace {

// One step to a neighbouring cell.
struct Step {
  int dc;
  int dr;
};

// The eight directions, axis directions first: right, left, down, up, then
// the diagonals.
constexpr std::array<Step, 8> kSteps = {{{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {1, -1}, {-1, -1}, {-1, 1}}};

// The opposite pairs in the order they are considered (ties keep the
// earlier), named by the keys of a numeric keypad with rows growing
// downwards: horizontal 4-6, diagonal 1-9, vertical 8-2, diagonal 7-3.
constexpr std::array<std::array<Step, 2>, 4> kOppositePairs = {
    {{{{-1, 0}, {1, 0}}}, {{{-1, 1}, {1, -1}}}, {{{0, -1}, {0, 1}}}, {{{-1, -1}, {1, 1}}}}};

// How far the search for a filled neighbour reaches along an axis.
constexpr int kNeighbourSearchLength = 5;
// Above any total of two search distances.
constexpr int kNoPairTotal = 100;
// Diagonal searches reach this much less far than axis searches.
constexpr int kDiagonalShortfall = 2;

constexpr int kRingSamples = 31;  // directions k * pi / 16, k = 0 to 30
constexpr double kRingAngleStep = kMapPi / 16.0;

constexpr int kEnoughFilledCells = (kGridLast - 1) * (kGridLast - 1);

// How far a search from `index` may step by `step` (-1, 0 or +1) with every
// moving coordinate strictly between 0 and 33; a fixed coordinate is not limited.
int InteriorReach(int index, int step, int reach) {
  if (step > 0) return std::min(reach, kGridLast - 1 - index);
  if (step < 0) return std::min(reach, index - 1);
  return reach;
}

// The distance to the nearest filled cell in one direction, 0 for none.
int NearestInDirection(const PressureGrid& grid, int column, int row, const Step& s, int searchLength) {
  const bool diagonal = s.dc != 0 && s.dr != 0;
  const int length = diagonal ? searchLength - kDiagonalShortfall : searchLength;
  const int reach = InteriorReach(row, s.dr, InteriorReach(column, s.dc, length));
  for (int d = 1; d <= reach; ++d)
    if (grid.At(column + s.dc * d, row + s.dr * d) != 0) return d;
  return 0;
}

void CopyUsed(const PressureGrid& from, PressureGrid& to) {
  for (int c = 0; c <= kGridLast; ++c)
    for (int r = 0; r <= kGridLast; ++r) to.At(c, r) = from.At(c, r);
}

// Runs `compute(column, row, scratchCell)` over every used cell with the
// scratch grid starting as a copy of the grid, then takes the scratch values.
template <typename Compute>
void RunScratchPass(PressureField& field, Compute compute) {
  CopyUsed(field.grid, field.scratch);
  for (int c = 0; c <= kGridLast; ++c)
    for (int r = 0; r <= kGridLast; ++r) compute(c, r, field.scratch.At(c, r));
  CopyUsed(field.scratch, field.grid);
}

std::int32_t RoundedMean(std::int64_t sum, std::int64_t count) {
  return RoundToInt(static_cast<double>(sum) / static_cast<double>(count));
}

// The nearest node of a hand-placed isobar point, its row raised to 0.
GridNode IsobarPointNode(const PlotPointTable& plot, int slot) {
  const MapPoint p = PlotPosition(plot, slot);
  GridNode node = NodeAt(p.x, p.y);
  node.row = std::max(node.row, 0);
  return node;
}

GridNode CentreNode(const PlotPointTable& plot, int slot, CentreRule rule) {
  const MapPoint p = PlotPosition(plot, slot);
  if (rule == CentreRule::B) return NodeAt(p.x, p.y);
  const double spacing = kNodeSpacing;
  return {FloorToInt(p.x / spacing) + 1, FloorToInt(p.y / spacing) + 1};
}

// A hand-placed isobar point with a map position: one outside the map takes
// no part and breaks the line it stands in.
bool IsPlacedIsobarPoint(const ObservationStore& store, const PlotPointTable& plot, int slot) {
  return PlotName(store, slot) == kind::kIsobarPoint && HasMapPosition(PlotPosition(plot, slot));
}

// The cells of the line between two nodes, from the smaller coordinate to the
// larger; a slanted line is sampled every fifth of a column.
template <typename Visit>
void ForEachCellBetween(GridNode a, GridNode b, Visit visit) {
  if (a.column == b.column || a.row == b.row) {
    const bool sameColumn = a.column == b.column;
    const int from = sameColumn ? std::min(a.row, b.row) : std::min(a.column, b.column);
    const int to = sameColumn ? std::max(a.row, b.row) : std::max(a.column, b.column);
    for (int i = from; i <= to; ++i) sameColumn ? visit(a.column, i) : visit(i, a.row);
    return;
  }
  constexpr float kColumnStep = 0.2f;
  const float slope = static_cast<float>(a.row - b.row) / static_cast<float>(a.column - b.column);
  const float intercept = static_cast<float>(b.row) - slope * static_cast<float>(b.column);
  const float from = static_cast<float>(std::min(a.column, b.column));
  const float to = static_cast<float>(std::max(a.column, b.column));
  // A single-precision counter growing by a fifth each pass, as the tracer's
  // level loop: the sum drifts from k fifths, and the drift decides the cell
  // where s·u + t lands on a half.
  for (float u = from; u <= to; u += kColumnStep) visit(RoundToInt(u), RoundToInt(slope * u + intercept));
}

}  // namespace

void BinObservations(const ObservationStore& store, const PlotPointTable& plot, PressureField& field) {
  GridArray<std::int64_t> sums;
  GridArray<std::int32_t> counts;
  for (int c = 0; c <= kGridLast; ++c)
    for (int r = 0; r <= kGridLast; ++r) field.fixed.At(c, r) = 0;
  const int firstSystem = FirstSystemSlot(store);
  for (int i = 0; i <= plot.lastIndex; ++i) {
    const std::int32_t pressure = plot.pressure[i];
    const auto [x, y] = PlotPosition(plot, i);
    if (pressure <= 0 || !HasMapPosition({x, y})) continue;
    // Columns with 12c - 12 <= x <= 12c (two on a vertical border), the one
    // row with 12r - 12 < y <= 12r.
    const int lastColumn = FloorToInt(x / static_cast<double>(kNodeSpacing)) + 1;
    const int firstColumn = x % kNodeSpacing == 0 ? lastColumn - 1 : lastColumn;
    const int row = -FloorToInt(-y / static_cast<double>(kNodeSpacing));
    if (row < 0 || row > kGridLast) continue;
    const bool fixes = i >= firstSystem && IsCentreKind(PlotName(store, i), CentreKinds::SetB);
    for (int c = std::max(firstColumn, 0); c <= std::min(lastColumn, kGridLast); ++c) {
      sums.At(c, row) += pressure;
      ++counts.At(c, row);
      if (fixes) field.fixed.At(c, row) = -1;
    }
  }
  for (int c = 0; c <= kGridLast; ++c)
    for (int r = 0; r <= kGridLast; ++r)
      if (counts.At(c, r) > 0) field.grid.At(c, r) = RoundedMean(sums.At(c, r), counts.At(c, r));
}

void ImprintIsobarPoints(const ObservationStore& store, const PlotPointTable& plot, PressureGrid& grid) {
  for (int i = std::max(FirstSystemSlot(store), 0); i <= plot.lastIndex; ++i) {
    if (!IsPlacedIsobarPoint(store, plot, i)) continue;
    const GridNode node = IsobarPointNode(plot, i);
    if (!PressureGrid::InArray(node.column, node.row)) continue;
    const std::int32_t value = plot.pressure[i];
    grid.At(node.column, node.row) = value;
    if (i + 1 > plot.lastIndex || !IsPlacedIsobarPoint(store, plot, i + 1)) continue;
    const GridNode next = IsobarPointNode(plot, i + 1);
    if (!PressureGrid::InArray(next.column, next.row) || grid.At(next.column, next.row) != value) continue;
    ForEachCellBetween(node, next, [&](int c, int r) {
      if (PressureGrid::InArray(c, r)) grid.At(c, r) = value;
    });
  }
}

void FillBetweenNeighbours(PressureField& field) {
  const PressureGrid& grid = field.grid;
  RunScratchPass(field, [&](int c, int r, std::int32_t& out) {
    if (grid.At(c, r) != 0) return;
    // The second direction of a pair is not searched when the first found nothing.
    const std::array<Step, 2>* best = nullptr;
    std::array<int, 2> bestDistances{};
    for (const auto& pair : kOppositePairs) {
      const int da = NearestInDirection(grid, c, r, pair[0], kNeighbourSearchLength);
      if (da == 0) continue;
      const int db = NearestInDirection(grid, c, r, pair[1], kNeighbourSearchLength);
      if (db > 0 && da + db < (best ? bestDistances[0] + bestDistances[1] : kNoPairTotal)) {
        best = &pair;
        bestDistances = {da, db};
      }
    }
    if (best == nullptr) return;
    const auto [da, db] = bestDistances;
    const Step& a = (*best)[0];
    const Step& b = (*best)[1];
    // Each end weighted by the distance to the other one.
    const std::int64_t sum = static_cast<std::int64_t>(db) * grid.At(c + a.dc * da, r + a.dr * da) +
                             static_cast<std::int64_t>(da) * grid.At(c + b.dc * db, r + b.dr * db);
    out = RoundedMean(sum, da + db);
  });
}

void FillAroundCentres(const ObservationStore& store, const PlotPointTable& plot, PressureField& field,
                       int radius, CentreKinds kinds, CentreRule rule) {
  std::array<double, kRingSamples> cosines{};
  std::array<double, kRingSamples> sines{};
  for (int k = 0; k < kRingSamples; ++k) {
    cosines[static_cast<std::size_t>(k)] = std::cos(k * kRingAngleStep);
    sines[static_cast<std::size_t>(k)] = std::sin(k * kRingAngleStep);
  }
  const PressureGrid& grid = field.grid;
  CopyUsed(grid, field.scratch);
  for (int i = std::max(FirstSystemSlot(store), 0); i <= plot.lastIndex; ++i) {
    if (!IsCentreKind(PlotName(store, i), kinds) || !HasMapPosition(PlotPosition(plot, i))) continue;
    const GridNode centre = CentreNode(plot, i, rule);
    for (int rho = 1; rho <= radius; ++rho) {
      std::array<GridNode, kRingSamples> samples{};
      int sampleCount = 0;
      std::int64_t sum = 0;
      int filled = 0;
      for (int k = 0; k < kRingSamples; ++k) {
        const int c = FloorToInt(rho * cosines[static_cast<std::size_t>(k)] + centre.column);
        const int r = FloorToInt(rho * sines[static_cast<std::size_t>(k)] + centre.row);
        if (!PressureGrid::IsInterior(c, r)) continue;
        samples[static_cast<std::size_t>(sampleCount++)] = {c, r};
        if (grid.At(c, r) != 0) {
          sum += grid.At(c, r);
          ++filled;
        }
      }
      if (filled == 0) continue;
      const std::int32_t mean = RoundedMean(sum, filled);
      for (int s = 0; s < sampleCount; ++s) {
        const GridNode& cell = samples[static_cast<std::size_t>(s)];
        if (grid.At(cell.column, cell.row) == 0) field.scratch.At(cell.column, cell.row) = mean;
      }
    }
  }
  CopyUsed(field.scratch, field.grid);
}

std::int32_t ExtrapolateCell(const PressureGrid& grid, int column, int row) {
  // Slope damped to two thirds: (5 near - 2 far) / 3.
  constexpr int kNearWeight = 5;
  constexpr int kFarWeight = 2;
  constexpr int kDivisor = 3;
  std::int64_t sum = 0;
  int contributing = 0;
  for (const Step& s : kSteps) {
    const int farColumn = column + 2 * s.dc;
    const int farRow = row + 2 * s.dr;
    if (!PressureGrid::IsInterior(farColumn, farRow)) continue;
    const std::int32_t nearValue = grid.At(column + s.dc, row + s.dr);
    const std::int32_t farValue = grid.At(farColumn, farRow);
    if (nearValue <= 0 || farValue <= 0) continue;
    sum += static_cast<std::int64_t>(kNearWeight) * nearValue - static_cast<std::int64_t>(kFarWeight) * farValue;
    ++contributing;
  }
  return contributing == 0 ? 0 : RoundedMean(sum, static_cast<std::int64_t>(kDivisor) * contributing);
}

bool ExtrapolateOutward(PressureField& field) {
  const PressureGrid& grid = field.grid;
  RunScratchPass(field, [&](int c, int r, std::int32_t& out) {
    if (PressureGrid::IsInterior(c, r) && grid.At(c, r) == 0) out = ExtrapolateCell(grid, c, r);
  });
  int filled = 0;
  for (int c = 0; c <= kGridLast; ++c)
    for (int r = 0; r <= kGridLast; ++r)
      if (grid.At(c, r) > 0) ++filled;
  return filled >= kEnoughFilledCells;
}

void SmoothGrid(PressureField& field) {
  const PressureGrid& grid = field.grid;
  RunScratchPass(field, [&](int c, int r, std::int32_t& out) {
    if (field.fixed.At(c, r) == -1) return;
    std::int64_t sum = 0;
    int counted = 0;
    for (const Step& s : kSteps) {
      const int nc = c + s.dc;
      const int nr = r + s.dr;
      if (!PressureGrid::IsInterior(nc, nr) || grid.At(nc, nr) <= 0) continue;
      sum += grid.At(nc, nr);
      ++counted;
    }
    if (counted == 0) return;
    const std::int32_t mean = RoundedMean(sum, counted);
    const std::int32_t own = grid.At(c, r);
    out = own > 0 ? RoundedMean(static_cast<std::int64_t>(mean) + own, 2) : mean;
  });
}

}  // namespace nimbara
