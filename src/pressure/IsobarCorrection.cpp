#include "pressure/IsobarCorrection.h"

#include <array>

#include "core/Numbers.h"
#include "pressure/IsobarTracer.h"

namespace nimbara {

void RedrawAroundNode(Canvas& canvas, const PressureGrid& grid, GridNode node, float interval,
                      float startOffset, Colour isobarColour) {
  // Upper-left nodes of the four cells: the row above first, left before right.
  const std::array<GridNode, 4> cells = {{{node.column - 1, node.row - 1},
                                          {node.column, node.row - 1},
                                          {node.column - 1, node.row},
                                          {node.column, node.row}}};
  for (const GridNode& cell : cells) {
    if (!IsContouredCell(cell.column, cell.row)) continue;
    const double left = kNodeSpacing * cell.column;
    const double top = kNodeSpacing * cell.row;
    canvas.Rect({left, top}, {left + kNodeSpacing, top + kNodeSpacing}, kWhite, true);
    ContourCell(canvas, grid, cell.column, cell.row, interval, startOffset, isobarColour, LevelWidth::Keep);
  }
}

std::string HectopascalText(std::int32_t gridValue) {
  return ShortestDecimal(static_cast<double>(gridValue) / kPressureScale);
}

}  // namespace nimbara
