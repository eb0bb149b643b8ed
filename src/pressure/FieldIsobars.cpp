#include "pressure/FieldIsobars.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "core/Numbers.h"

namespace nimbara {
namespace {

// The sampled field is fine already: a light smoothing takes off the corners
// of the straight pieces without moving a line towards its neighbour.
constexpr int kPiecesPerSpan = 2;
// A corner exactly on the level counts as this far above it, so that a line
// never passes through a node (where four cells would claim it).
constexpr double kOnLevel = 1e-9;
constexpr int kNodes = SampledField::kNodes;

struct Corner {
  int column;
  int row;
};

// Corners clockwise from the upper left; edge k runs from corner k to k + 1.
constexpr std::array<Corner, 4> kCorners = {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};

// A horizontal edge is named by its left node, a vertical one by its upper node.
std::uint64_t EdgeKey(int column, int row, int edge, float level) {
  const Corner a = kCorners[edge];
  const Corner b = kCorners[(edge + 1) % 4];
  const bool vertical = a.column == b.column;
  const int c = column + std::min(a.column, b.column);
  const int r = row + std::min(a.row, b.row);
  const auto name = static_cast<std::uint64_t>((r * kNodes + c) * 2 + (vertical ? 1 : 0));
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(RoundToInt(level))) << 32) | name;
}

class CellTracer {
 public:
  CellTracer(const SampledField& field, int column, int row) : m_column(column), m_row(row) {
    for (int k = 0; k < 4; ++k) m_values[k] = field.Node(column + kCorners[k].column, row + kCorners[k].row);
  }

  double Lowest() const { return *std::min_element(m_values.begin(), m_values.end()); }
  double Highest() const { return *std::max_element(m_values.begin(), m_values.end()); }

  void Trace(float level, std::vector<IsobarPiece>& pieces) const {
    const double hPa = static_cast<double>(level) / kPressureScale;
    std::array<double, 4> above{};
    for (int k = 0; k < 4; ++k) above[k] = m_values[k] == hPa ? kOnLevel : m_values[k] - hPa;
    std::array<int, 4> crossed{};
    int count = 0;
    for (int k = 0; k < 4; ++k)
      if ((above[k] >= 0) != (above[(k + 1) % 4] >= 0)) crossed[count++] = k;
    if (count == 2) {
      Add(level, above, crossed[0], crossed[1], pieces);
    } else if (count == 4) {
      // A saddle: the mean of the corners tells which pair of opposite
      // corners the level's region joins; the lines cut off the other two.
      const double middle = (above[0] + above[1] + above[2] + above[3]) / 4;
      const bool cutsFirstCorner = (middle >= 0) != (above[0] >= 0);
      if (cutsFirstCorner) {
        Add(level, above, 3, 0, pieces);
        Add(level, above, 1, 2, pieces);
      } else {
        Add(level, above, 0, 1, pieces);
        Add(level, above, 2, 3, pieces);
      }
    }
  }

 private:
  PointF Crossing(const std::array<double, 4>& above, int edge) const {
    const Corner a = kCorners[edge];
    const Corner b = kCorners[(edge + 1) % 4];
    const double t = above[edge] / (above[edge] - above[(edge + 1) % 4]);
    const double column = m_column + a.column + t * (b.column - a.column);
    const double row = m_row + a.row + t * (b.row - a.row);
    return {column * SampledField::kSpacing, row * SampledField::kSpacing};
  }

  void Add(float level, const std::array<double, 4>& above, int from, int to,
           std::vector<IsobarPiece>& pieces) const {
    pieces.push_back({Crossing(above, from), Crossing(above, to), level, EdgeKey(m_column, m_row, from, level),
                      EdgeKey(m_column, m_row, to, level)});
  }

  int m_column;
  int m_row;
  std::array<double, 4> m_values{};
};

template <typename Levels>
std::vector<IsobarLine> Trace(const SampledField& field, Levels levelsOf) {
  std::vector<IsobarPiece> pieces;
  for (int row = 0; row + 1 < kNodes; ++row)
    for (int column = 0; column + 1 < kNodes; ++column) {
      const CellTracer cell(field, column, row);
      levelsOf(cell.Lowest(), cell.Highest(), [&](float level) { cell.Trace(level, pieces); });
    }
  std::vector<IsobarLine> lines = JoinIsobarPieces(pieces);
  for (IsobarLine& line : lines) line.points = SmoothThrough(line.points, kPiecesPerSpan);
  return lines;
}

}  // namespace

std::vector<IsobarLine> FieldIsobars(const SampledField& field, float interval) {
  if (interval <= 0) return {};
  const double step = static_cast<double>(interval) / kPressureScale;
  return Trace(field, [&](double lowest, double highest, auto each) {
    for (double k = std::ceil(lowest / step); k * step <= highest; ++k)
      if (k > 0) each(static_cast<float>(k * interval));
  });
}

std::vector<IsobarLine> FieldIsobarsAt(const SampledField& field, float level) {
  const double hPa = static_cast<double>(level) / kPressureScale;
  return Trace(field, [&](double lowest, double highest, auto each) {
    if (lowest <= hPa && hPa <= highest) each(level);
  });
}

}  // namespace nimbara
