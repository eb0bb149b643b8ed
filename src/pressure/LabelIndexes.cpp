#include "pressure/LabelIndexes.h"

namespace nimbara {

SegmentIndex::SegmentIndex(std::span<const IsobarLine> lines, const LabelLayout& layout)
    : m_isobarCount(lines.size()), m_otherMargin(layout.otherLineMargin), m_grid(layout.area), m_cells(m_grid.Count()) {
  for (const IsobarLine& line : lines) m_paths.push_back(line.points);
  for (const Path& other : layout.otherLines) m_paths.push_back(other);
  for (std::size_t path = 0; path < m_paths.size(); ++path) {
    const std::span<const PointF> points = m_paths[path];
    const double margin = path < m_isobarCount ? 0 : m_otherMargin;
    double along = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
      const PointF a = points[i - 1];
      const PointF b = points[i];
      const Box bounds =
          Box{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)}.Grown(margin);
      m_grid.ForCells(bounds, [&](std::size_t cell) { m_cells[cell].push_back({path, i, along}); });
      along += Distance(a, b);
    }
  }
}

bool SegmentIndex::OtherLineMeets(const Box& box, std::size_t line, double along, double reach, double lineLength,
                                  bool closed) const {
  bool meets = false;
  m_grid.ForCells(box.Grown(m_otherMargin), [&](std::size_t cell) {
    for (const Entry& e : m_cells[cell]) {
      if (meets) return;
      if (e.path == line) {
        double apart = std::fabs(e.along - along);
        if (closed) apart = std::min(apart, lineLength - apart);
        if (apart <= reach) continue;
      }
      const std::span<const PointF> points = m_paths[e.path];
      const Box reached = e.path < m_isobarCount ? box : box.Grown(m_otherMargin);
      meets = SegmentMeetsBox(points[e.segment - 1], points[e.segment], reached);
    }
  });
  return meets;
}

BoxIndex::BoxIndex(std::span<const Box> boxes, const Box& area) : m_boxes(boxes), m_grid(area), m_cells(m_grid.Count()) {
  for (std::size_t i = 0; i < boxes.size(); ++i)
    m_grid.ForCells(boxes[i], [&](std::size_t cell) { m_cells[cell].push_back(i); });
}

bool BoxIndex::AnyOverlaps(const Box& box) const {
  bool overlaps = false;
  m_grid.ForCells(box, [&](std::size_t cell) {
    for (const std::size_t i : m_cells[cell]) overlaps = overlaps || box.Overlaps(m_boxes[i]);
  });
  return overlaps;
}

}  // namespace nimbara
