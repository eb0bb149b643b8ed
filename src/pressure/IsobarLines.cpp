#include "pressure/IsobarLines.h"

#include <cstdint>
#include <optional>
#include <unordered_map>

#include "core/Numbers.h"
#include "pressure/IsobarCorrection.h"
#include "pressure/IsobarTracer.h"

namespace nimbara {
namespace {

constexpr int kPiecesPerSpan = 4;
constexpr int kNodesAcross = kGridLast + 1;

// One cell piece with the keys of its two ends: the level and the cell edge
// the end lies on. Two pieces that share a key meet there.
struct Piece {
  ContourSegment segment;
  std::uint64_t keys[2];
  bool used = false;
};

// A horizontal edge is named by its left node, a vertical one by its upper
// node; the crossing's coordinates tell which edge of its cell it lies on,
// since the tracer puts it exactly on that edge's line.
std::uint64_t EdgeKey(int column, int row, PointF p, float level) {
  const double left = static_cast<double>(kNodeSpacing) * column;
  const double top = static_cast<double>(kNodeSpacing) * row;
  bool vertical = false;
  if (p.y == top + kNodeSpacing) {
    ++row;
  } else if (p.y != top) {
    vertical = true;
    if (p.x != left) ++column;
  }
  const auto edge = static_cast<std::uint64_t>((row * kNodesAcross + column) * 2 + (vertical ? 1 : 0));
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(RoundToInt(level))) << 32) | edge;
}

class Chainer {
 public:
  explicit Chainer(std::vector<Piece> pieces) : m_pieces(std::move(pieces)) {
    for (std::size_t i = 0; i < m_pieces.size(); ++i)
      for (const std::uint64_t key : m_pieces[i].keys) m_ends[key].push_back(i);
  }

  std::vector<IsobarLine> Lines() {
    std::vector<IsobarLine> lines;
    // Lines with ends first, started from an end, so that none is cut in two.
    for (std::size_t i = 0; i < m_pieces.size(); ++i) {
      for (int end = 0; end < 2; ++end)
        if (!m_pieces[i].used && m_ends[m_pieces[i].keys[end]].size() == 1) lines.push_back(Walk(i, end));
    }
    for (std::size_t i = 0; i < m_pieces.size(); ++i)
      if (!m_pieces[i].used) lines.push_back(Walk(i, 0));
    return lines;
  }

 private:
  static PointF EndPoint(const Piece& piece, int end) { return end == 0 ? piece.segment.from : piece.segment.to; }

  IsobarLine Walk(std::size_t first, int startEnd) {
    IsobarLine line{m_pieces[first].segment.level, {EndPoint(m_pieces[first], startEnd)}};
    const std::uint64_t startKey = m_pieces[first].keys[startEnd];
    std::size_t current = first;
    int entered = startEnd;
    while (true) {
      Piece& piece = m_pieces[current];
      piece.used = true;
      const int leaving = 1 - entered;
      const std::uint64_t key = piece.keys[leaving];
      if (key == startKey) {
        line.points.push_back(line.points.front());  // round a loop
        return line;
      }
      line.points.push_back(EndPoint(piece, leaving));
      const std::optional<std::size_t> next = Unused(key);
      if (!next) return line;
      current = *next;
      entered = m_pieces[current].keys[0] == key ? 0 : 1;
    }
  }

  std::optional<std::size_t> Unused(std::uint64_t key) const {
    for (const std::size_t i : m_ends.at(key))
      if (!m_pieces[i].used) return i;
    return std::nullopt;
  }

  std::vector<Piece> m_pieces;
  std::unordered_map<std::uint64_t, std::vector<std::size_t>> m_ends;
};

}  // namespace

bool IsobarLine::Closed() const { return points.size() > 2 && points.front() == points.back(); }

std::vector<IsobarLine> ChainIsobarLines(const PressureGrid& grid, float interval, float startOffset) {
  std::vector<Piece> pieces;
  for (int row = 0; row <= kGridLast; ++row) {
    for (int column = 0; column <= kGridLast; ++column) {
      if (!IsContouredCell(column, row)) continue;
      for (const ContourSegment& s : ContourCellSegments(grid, column, row, interval, startOffset))
        pieces.push_back({s, {EdgeKey(column, row, s.from, s.level), EdgeKey(column, row, s.to, s.level)}});
    }
  }
  return Chainer(std::move(pieces)).Lines();
}

std::vector<IsobarLine> SmoothIsobarLines(std::span<const IsobarLine> lines) {
  std::vector<IsobarLine> smooth;
  smooth.reserve(lines.size());
  for (const IsobarLine& line : lines) smooth.push_back({line.level, SmoothThrough(line.points, kPiecesPerSpan)});
  return smooth;
}

std::vector<IsobarLine> VisibleIsobarLines(std::span<const IsobarLine> lines, const Box& area,
                                           std::span<const Box> hidden) {
  std::vector<IsobarLine> visible;
  for (const IsobarLine& line : lines) {
    std::vector<Path> parts;
    for (const Path& inside : PartsInside(line.points, area))
      for (Path& part : PartsOutsideAll(inside, hidden)) parts.push_back(std::move(part));
    // A closed line cut once is one open line, not two that meet where it began.
    if (line.Closed() && parts.size() > 1 && parts.front().front() == line.points.front() &&
        parts.back().back() == line.points.back()) {
      parts.back().insert(parts.back().end(), parts.front().begin() + 1, parts.front().end());
      parts.erase(parts.begin());
    }
    for (Path& part : parts)
      if (PathLength(part) >= kShortestIsobarPart) visible.push_back({line.level, std::move(part)});
  }
  return visible;
}

std::string IsobarLabelText(float level) { return HectopascalText(RoundToInt(level)); }

}  // namespace nimbara
