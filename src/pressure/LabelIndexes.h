#pragma once
// Coarse grids over the map that let the isobar labels' placer find the
// line segments and boxes near a place without looking at every one (a map
// holds hundreds of stations and thousands of segments).

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "core/PathGeometry.h"
#include "pressure/IsobarLabels.h"

namespace nimbara {

// The cells of a coarse grid over an area; a box reaching beyond the area's
// edge is in the cells at the edge.
class GridCells {
 public:
  static constexpr double kCell = 10.0;  // map units

  explicit GridCells(const Box& area)
      : m_area(area),
        m_columns(std::max(1, static_cast<int>(std::ceil((area.right - area.left) / kCell)))),
        m_rows(std::max(1, static_cast<int>(std::ceil((area.bottom - area.top) / kCell)))) {}
  std::size_t Count() const { return static_cast<std::size_t>(m_columns * m_rows); }

  template <typename Visit>
  void ForCells(const Box& box, Visit visit) const {
    const auto cell = [](double offset, int count) {
      return std::clamp(static_cast<int>(std::floor(offset / kCell)), 0, count - 1);
    };
    const int left = cell(box.left - m_area.left, m_columns);
    const int right = cell(box.right - m_area.left, m_columns);
    const int top = cell(box.top - m_area.top, m_rows);
    const int bottom = cell(box.bottom - m_area.top, m_rows);
    for (int row = top; row <= bottom; ++row)
      for (int column = left; column <= right; ++column) visit(static_cast<std::size_t>(row * m_columns + column));
  }

 private:
  Box m_area;
  int m_columns;
  int m_rows;
};

// The segments of the isobars and of the other lines by grid cells.
class SegmentIndex {
 public:
  SegmentIndex(std::span<const IsobarLine> lines, const LabelLayout& layout);

  // Whether another isobar than `line`, `line` itself away from `along`
  // (beyond `reach`), or one of the other lines (with its margin) passes
  // through the box.
  bool OtherLineMeets(const Box& box, std::size_t line, double along, double reach, double lineLength,
                      bool closed) const;

 private:
  struct Entry {
    std::size_t path;
    std::size_t segment;  // index of its second point
    double along;         // distance along the path to its first point
  };

  std::size_t m_isobarCount;
  double m_otherMargin;
  std::vector<std::span<const PointF>> m_paths;  // the isobars, then the other lines
  GridCells m_grid;
  std::vector<std::vector<Entry>> m_cells;
};

// Boxes by grid cells, to find whether a box overlaps any of them.
class BoxIndex {
 public:
  BoxIndex(std::span<const Box> boxes, const Box& area);
  bool AnyOverlaps(const Box& box) const;

 private:
  std::span<const Box> m_boxes;
  GridCells m_grid;
  std::vector<std::vector<std::size_t>> m_cells;
};

}  // namespace nimbara
