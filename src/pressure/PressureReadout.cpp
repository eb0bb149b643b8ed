#include "pressure/PressureReadout.h"

#include <cmath>

#include "core/MapView.h"
#include "core/Numbers.h"
#include "pressure/NearestNode.h"

namespace nimbara {

namespace {

constexpr std::size_t kLabelNumberLength = 5;
constexpr double kLabelFontSize = 14.0;
constexpr double kShadowLeft = 13.5;
constexpr double kShadowUp = 4.5;
constexpr double kLabelLeft = 14.0;
constexpr double kLabelUp = 5.0;

bool InsideMap(double v) { return std::isfinite(v) && v >= 0.0 && v <= kMapSize; }

}  // namespace

std::string PressureLabel(std::int32_t gridValue) {
  std::string number = PrintForm(static_cast<double>(gridValue) / kPressureScale);
  number.pop_back();  // the print form's trailing space
  std::string shown = number.substr(0, kLabelNumberLength);
  // A cut right after the point would show "998." for 998.5: keep the tenth.
  if (shown.back() == '.' && number.size() > shown.size()) shown += number[shown.size()];
  return shown + " hPa";
}

void ShowPressureAtClick(Canvas& canvas, const PressureGrid& grid, double x, double y) {
  if (!InsideMap(x) || !InsideMap(y)) return;
  const GridNode node = NodeAt(x, y);
  const std::string label = PressureLabel(grid.At(node.column, node.row));
  canvas.SetFontSize(kLabelFontSize);
  canvas.SetFontBold(false);
  canvas.SetForeColour(kBlack);
  canvas.Text({x - kShadowLeft, y - kShadowUp}, label);
  canvas.SetForeColour(kWhite);
  canvas.Text({x - kLabelLeft, y - kLabelUp}, label);
}

}  // namespace nimbara
