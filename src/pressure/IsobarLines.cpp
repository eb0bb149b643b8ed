#include "pressure/IsobarLines.h"

#include <cstdint>
#include <optional>
#include <unordered_map>

#include "core/Numbers.h"
#include "pressure/IsobarCorrection.h"

namespace nimbara {
namespace {

struct Piece {
  IsobarPiece piece;
  std::uint64_t keys[2];
  bool used = false;
};

class Chainer {
 public:
  explicit Chainer(std::span<const IsobarPiece> pieces) {
    m_pieces.reserve(pieces.size());
    for (const IsobarPiece& p : pieces) m_pieces.push_back({p, {p.fromKey, p.toKey}});
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
  static PointF EndPoint(const Piece& piece, int end) { return end == 0 ? piece.piece.from : piece.piece.to; }

  IsobarLine Walk(std::size_t first, int startEnd) {
    IsobarLine line{m_pieces[first].piece.level, {EndPoint(m_pieces[first], startEnd)}};
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

std::vector<IsobarLine> JoinIsobarPieces(std::span<const IsobarPiece> pieces) { return Chainer(pieces).Lines(); }

std::vector<IsobarLine> VisibleIsobarLines(std::span<const IsobarLine> lines, const Box& area) {
  std::vector<IsobarLine> visible;
  for (const IsobarLine& line : lines) {
    std::vector<Path> parts = PartsInside(line.points, area);
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
