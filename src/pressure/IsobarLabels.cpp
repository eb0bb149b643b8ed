#include "pressure/IsobarLabels.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

#include "core/Text.h"
#include "pressure/IsobarTracer.h"
#include "pressure/LabelIndexes.h"

namespace nimbara {
namespace {

constexpr double kGapMarginX = 1.0;       // map units of line left out beside the text
constexpr double kGapMarginY = 0.5;       // and above and below it
constexpr double kLabelClearance = 1.5;   // between two labels
constexpr double kSearchStep = 2.0;       // map units along the line between tried places
constexpr double kEndReach = 60.0;        // how far from its end a line's end label may move
constexpr double kMiddleReach = 50.0;     // how far a further label may move either way
constexpr double kLabelSpacing = 170.0;   // a long line is labelled again where its labels lie further apart
// A value repeated closer than this (map units) to the same value, as on the
// map beside where the frame writes it, reads as a second line.
constexpr double kRepeatReach = 50.0;
constexpr double kOnEdge = 1e-6;


struct LineInfo {
  PathMeasure measure;
  bool closed;
  std::string text;
  double width;   // of the gap
  double height;
};

struct Placed {
  IsobarLabel label;
  double along;  // distance along its line
};

// Whether a box would hide a station's symbol, a centre or a front (with
// the reach of its symbols).
bool CoversData(const Box& box, const LabelLayout& layout) {
  const auto overlaps = [&](const Box& other) { return box.Overlaps(other); };
  if (std::any_of(layout.keepClear.begin(), layout.keepClear.end(), overlaps) ||
      std::any_of(layout.avoid.begin(), layout.avoid.end(), overlaps))
    return true;
  const Box reach = box.Grown(layout.otherLineMargin);
  for (const Path& other : layout.otherLines)
    for (std::size_t i = 1; i < other.size(); ++i)
      if (SegmentMeetsBox(other[i - 1], other[i], reach)) return true;
  return false;
}

// Closed lines nested round one another, as round a deep low or typhoon:
// the outermost ring and the rings inside it, those to label first (a bold
// one, then the outer ones) ahead.
struct Nest {
  std::size_t outermost;
  std::vector<std::size_t> inner;
};

std::vector<Nest> Nests(std::span<const IsobarLine> lines) {
  std::vector<std::size_t> closed;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i].Closed()) closed.push_back(i);
  // Each ring's parent: the shortest other ring round it (isobars never cross).
  std::vector<double> length(lines.size(), 0.0);
  for (const std::size_t ring : closed) length[ring] = PathLength(lines[ring].points);
  std::vector<std::optional<std::size_t>> parent(lines.size());
  for (const std::size_t inner : closed)
    for (const std::size_t outer : closed)
      if (outer != inner && length[outer] > length[inner] && (!parent[inner] || length[outer] < length[*parent[inner]]) &&
          Encloses(lines[outer].points, lines[inner].points.front()))
        parent[inner] = outer;
  std::vector<Nest> nests;
  std::vector<std::size_t> nestOf(lines.size());
  for (const std::size_t ring : closed)
    if (!parent[ring]) {
      nestOf[ring] = nests.size();
      nests.push_back({ring, {}});
    }
  std::vector<int> depth(lines.size(), 0);
  for (const std::size_t ring : closed) {
    std::size_t outermost = ring;
    for (; parent[outermost]; outermost = *parent[outermost]) ++depth[ring];
    if (ring != outermost) nests[nestOf[outermost]].inner.push_back(ring);
  }
  for (Nest& nest : nests)
    std::stable_sort(nest.inner.begin(), nest.inner.end(), [&](std::size_t a, std::size_t b) {
      const bool boldA = IsThickLevel(lines[a].level);
      const bool boldB = IsThickLevel(lines[b].level);
      return boldA != boldB ? boldA : depth[a] < depth[b];
    });
  return nests;
}

class Placer {
 public:
  Placer(std::span<const IsobarLine> lines, const LabelLayout& layout, std::span<const IsobarLabel> frameValues)
      : m_layout(layout),
        m_index(lines, layout),
        m_nests(Nests(lines)),
        m_innerRing(lines.size(), false),
        m_frameValues(frameValues),
        m_avoid(layout.avoid, layout.area) {
    for (const IsobarLine& line : lines) {
      std::string text = IsobarLabelText(line.level);
      const double textWidth = static_cast<double>(DisplayColumns(text)) * layout.columnWidth;
      m_lines.push_back({PathMeasure(line.points), line.Closed(), std::move(text), textWidth + 2 * kGapMarginX,
                         layout.textHeight + 2 * kGapMarginY});
    }
    for (const Nest& nest : m_nests)
      for (const std::size_t ring : nest.inner) m_innerRing[ring] = true;
  }

  // A nest of rings carries at most two values, the outermost ring's and
  // one inner ring's, on its lowest point, away from the outer value above:
  // a column of numbers beside a centre would read as data.
  std::vector<IsobarLabel> Place() {
    std::vector<std::size_t> order(m_lines.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return m_lines[a].measure.Length() < m_lines[b].measure.Length(); });
    for (const std::size_t line : order)
      if (!m_innerRing[line]) PlaceFirst(line);
    for (const Nest& nest : m_nests)
      for (const std::size_t ring : nest.inner)
        if (TryAlong(ring, {ExtremeAlong(ring, kLowest), {1, -1}, m_lines[ring].measure.Length() / 2})) break;
    for (auto it = order.rbegin(); it != order.rend(); ++it)
      if (!m_innerRing[*it]) PlaceFurther(*it);
    std::vector<IsobarLabel> labels;
    for (Placed& p : m_placed) labels.push_back(std::move(p.label));
    return labels;
  }

 private:
  // One place tried: `from` along the line, then ever further in the
  // directions given (+1 onward, -1 back), up to `reach`.
  struct Search {
    double from;
    std::vector<int> directions;
    double reach;
  };

  void PlaceFirst(std::size_t line) {
    const LineInfo& info = m_lines[line];
    const double length = info.measure.Length();
    std::vector<Search> searches;
    if (info.closed) {
      searches.push_back({ExtremeAlong(line, kHighest), {1, -1}, length / 2});
    } else if (length >= 2 * info.width) {
      searches.push_back({info.width / 2, {1}, length});
      searches.push_back({length - info.width / 2, {-1}, length});
    } else {
      searches.push_back({length / 2, {1, -1}, length / 2});
    }
    for (const Search& search : searches)
      if (TryAlong(line, search)) return;
  }

  void PlaceFurther(std::size_t line) {
    const LineInfo& info = m_lines[line];
    const double length = info.measure.Length();
    if (!info.closed && length >= 2 * info.width) {
      const double endZone = info.width + kEndReach;
      if (!HasLabelWithin(line, 0, endZone)) TryAlong(line, {info.width / 2, {1}, kEndReach});
      if (!HasLabelWithin(line, length - endZone, length))
        TryAlong(line, {length - info.width / 2, {-1}, kEndReach});
    }
    // Further labels halfway between labels that lie far apart.
    for (bool added = true; added;) {
      added = false;
      std::vector<double> marks = Alongs(line);
      if (marks.empty()) return;
      if (!info.closed) {
        marks.insert(marks.begin(), 0.0);
        marks.push_back(length);
      } else {
        marks.push_back(marks.front() + length);
      }
      for (std::size_t i = 1; i < marks.size() && !added; ++i) {
        if (marks[i] - marks[i - 1] <= kLabelSpacing) continue;
        const double middle = std::fmod((marks[i] + marks[i - 1]) / 2, length);
        added = TryAlong(line, {middle, {1, -1}, kMiddleReach});
      }
    }
  }

  bool TryAlong(std::size_t line, const Search& search) {
    const LineInfo& info = m_lines[line];
    const double length = info.measure.Length();
    for (double step = 0; step <= search.reach; step += kSearchStep) {
      for (const int direction : search.directions) {
        if (step == 0 && direction != search.directions.front()) continue;
        double along = search.from + direction * step;
        if (info.closed)
          along = std::fmod(std::fmod(along, length) + length, length);
        else if (along < 0 || along > length)
          continue;
        if (std::optional<IsobarLabel> label = LabelAt(line, along)) {
          m_placed.push_back({std::move(*label), along});
          return true;
        }
      }
    }
    return false;
  }

  std::optional<IsobarLabel> LabelAt(std::size_t line, double along) const {
    const LineInfo& info = m_lines[line];
    const PointF at = info.measure.At(along).at;
    const Box gap = BoxAround(at, info.width, info.height);
    const Box& area = m_layout.area;
    if (gap.left < area.left || gap.right > area.right || gap.top < area.top || gap.bottom > area.bottom)
      return std::nullopt;
    for (const Box& clear : m_layout.keepClear)
      if (gap.Overlaps(clear)) return std::nullopt;
    for (const Placed& placed : m_placed)
      if (gap.Grown(kLabelClearance).Overlaps(placed.label.gap)) return std::nullopt;
    if (m_avoid.AnyOverlaps(gap)) return std::nullopt;
    for (const IsobarLabel& value : m_frameValues)
      if (value.text == info.text && Distance(at, value.gap.Centre()) < kRepeatReach) return std::nullopt;
    const double reach = std::hypot(info.width, info.height);
    if (m_index.OtherLineMeets(gap, line, along, reach, info.measure.Length(), info.closed)) return std::nullopt;
    const double textWidth = info.width - 2 * kGapMarginX;
    return IsobarLabel{line, info.text, {at.x - textWidth / 2, at.y - m_layout.textHeight / 2}, gap};
  }

  // Where a line is highest or lowest on the map.
  static constexpr int kHighest = 1;
  static constexpr int kLowest = -1;
  double ExtremeAlong(std::size_t line, int which) const {
    const LineInfo& info = m_lines[line];
    double best = 0;
    double bestY = info.measure.At(0).at.y;
    for (double along = 0; along < info.measure.Length(); along += kSearchStep) {
      const double y = info.measure.At(along).at.y;
      if (which * y < which * bestY) {
        bestY = y;
        best = along;
      }
    }
    return best;
  }

  std::vector<double> Alongs(std::size_t line) const {
    std::vector<double> alongs;
    for (const Placed& p : m_placed)
      if (p.label.line == line) alongs.push_back(p.along);
    std::sort(alongs.begin(), alongs.end());
    return alongs;
  }

  bool HasLabelWithin(std::size_t line, double from, double to) const {
    for (const double along : Alongs(line))
      if (along >= from && along <= to) return true;
    return false;
  }

  const LabelLayout& m_layout;
  SegmentIndex m_index;
  std::vector<Nest> m_nests;
  std::vector<bool> m_innerRing;  // inside another ring: labelled only as its nest allows
  std::vector<LineInfo> m_lines;
  std::span<const IsobarLabel> m_frameValues;
  BoxIndex m_avoid;  // the layout's station symbols
  std::vector<Placed> m_placed;
};

}  // namespace

std::vector<IsobarLabel> PlaceIsobarLabels(std::span<const IsobarLine> lines, const LabelLayout& layout,
                                           std::span<const IsobarLabel> frameValues) {
  return Placer(lines, layout, frameValues).Place();
}

std::vector<IsobarLabel> EdgeLabels(std::span<const IsobarLine> lines, const LabelLayout& layout, double gap) {
  const Box& map = layout.area;
  const double textHeight = layout.textHeight;
  std::vector<IsobarLabel> labels;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].Closed() || lines[i].points.size() < 2) continue;
    const std::string text = IsobarLabelText(lines[i].level);
    const double width = static_cast<double>(DisplayColumns(text)) * layout.columnWidth;
    for (const PointF end : {lines[i].points.front(), lines[i].points.back()}) {
      std::optional<PointF> topLeft;
      if (std::fabs(end.x - map.left) < kOnEdge) topLeft = PointF{map.left - gap - width, end.y - textHeight / 2};
      else if (std::fabs(end.x - map.right) < kOnEdge) topLeft = PointF{map.right + gap, end.y - textHeight / 2};
      else if (std::fabs(end.y - map.top) < kOnEdge) topLeft = PointF{end.x - width / 2, map.top - gap - textHeight};
      else if (std::fabs(end.y - map.bottom) < kOnEdge) topLeft = PointF{end.x - width / 2, map.bottom + gap};
      if (!topLeft) continue;
      const Box box{topLeft->x, topLeft->y, topLeft->x + width, topLeft->y + textHeight};
      const bool crowded = std::any_of(labels.begin(), labels.end(), [&](const IsobarLabel& other) {
        return box.Grown(kLabelClearance).Overlaps(other.gap) ||
               (other.text == text && Distance(box.Centre(), other.gap.Centre()) < kRepeatReach);
      });
      if (!crowded && !CoversData(box, layout)) labels.push_back({i, text, *topLeft, box});
    }
  }
  return labels;
}

std::vector<IsobarLine> CutLabelGaps(std::span<const IsobarLine> lines, std::span<const IsobarLabel> labels) {
  std::vector<IsobarLine> cut;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::vector<Box> gaps;
    for (const IsobarLabel& label : labels)
      if (label.line == i) gaps.push_back(label.gap);
    for (Path& part : PartsOutsideAll(lines[i].points, gaps))
      if (PathLength(part) >= kShortestIsobarPart) cut.push_back({lines[i].level, std::move(part)});
  }
  return cut;
}

}  // namespace nimbara
