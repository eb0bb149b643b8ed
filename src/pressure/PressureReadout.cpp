#include "pressure/PressureReadout.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/MapView.h"
#include "core/Numbers.h"
#include "pressure/NearestNode.h"

namespace nimbara {

namespace {

constexpr std::size_t kLabelNumberLength = 5;
constexpr double kLabelLeft = 14.0;
constexpr double kLabelUp = 5.0;
constexpr const char* kNoPressureText = "気圧データなし";

// The node before `v` along a column or row and how far on towards the next
// node `v` lies (0 to 1).
std::pair<int, double> NodeAndFraction(double v) {
  const double nodes = std::clamp(v / kNodeSpacing, 0.0, static_cast<double>(kGridLast));
  const int node = std::min(static_cast<int>(nodes), kGridLast - 1);
  return {node, nodes - node};
}

}  // namespace

std::string PressureLabel(std::int32_t gridValue) {
  if (gridValue == 0) return kNoPressureText;
  std::string number = PrintForm(static_cast<double>(gridValue) / kPressureScale);
  number.pop_back();  // the print form's trailing space
  std::string shown = number.substr(0, kLabelNumberLength);
  // A cut right after the point would show "998." for 998.5: keep the tenth.
  if (shown.back() == '.' && number.size() > shown.size()) shown += number[shown.size()];
  return shown + " hPa";
}

std::optional<PressureLabelPlace> PressureLabelAtClick(const PressureGrid& grid, double x, double y) {
  if (!OnBaseMap(x) || !OnBaseMap(y)) return std::nullopt;
  const GridNode node = NodeAt(x, y);
  return PressureLabelPlace{{x - kLabelLeft, y - kLabelUp}, PressureLabel(grid.At(node.column, node.row))};
}

std::optional<double> InterpolatedPressure(const PressureGrid& grid, double x, double y) {
  if (!OnBaseMap(x) || !OnBaseMap(y)) return std::nullopt;
  const auto [column, across] = NodeAndFraction(x);
  const auto [row, down] = NodeAndFraction(y);
  const double ul = grid.At(column, row), ur = grid.At(column + 1, row);
  const double ll = grid.At(column, row + 1), lr = grid.At(column + 1, row + 1);
  if (ul == 0 || ur == 0 || ll == 0 || lr == 0) return std::nullopt;
  const double top = ul + (ur - ul) * across;
  const double bottom = ll + (lr - ll) * across;
  return (top + (bottom - top) * down) / kPressureScale;
}

}  // namespace nimbara
