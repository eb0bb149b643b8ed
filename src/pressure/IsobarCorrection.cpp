#include "pressure/IsobarCorrection.h"

#include <array>

#include "core/Numbers.h"
#include "pressure/IsobarTracer.h"

namespace nimbara {

std::vector<GridNode> ContouredCellsAround(GridNode node) {
  const std::array<GridNode, 4> cells = {{{node.column - 1, node.row - 1},
                                          {node.column, node.row - 1},
                                          {node.column - 1, node.row},
                                          {node.column, node.row}}};
  std::vector<GridNode> contoured;
  for (const GridNode& cell : cells)
    if (IsContouredCell(cell.column, cell.row)) contoured.push_back(cell);
  return contoured;
}

std::string HectopascalText(std::int32_t gridValue) {
  return ShortestDecimal(static_cast<double>(gridValue) / kPressureScale);
}

}  // namespace nimbara
