#include "pressure/PressureReadout.h"

#include <cmath>

#include "core/MapView.h"
#include "core/Numbers.h"
#include "pressure/NearestNode.h"

namespace nimbara {

namespace {

constexpr std::size_t kLabelNumberLength = 5;
constexpr double kLabelFontSize = 14.0;
constexpr double kLabelLeft = 14.0;
constexpr double kLabelUp = 5.0;
// The black copies stand this far off the white label all round (a pixel of
// the 800-pixel map), so it reads on a white map as on a dark picture.
constexpr double kOutlineOffset = 0.5;
constexpr const char* kNoPressureText = "気圧データなし";

bool InsideMap(double v) { return std::isfinite(v) && v >= 0.0 && v <= kMapSize; }

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

void ShowPressureAtClick(Canvas& canvas, const PressureGrid& grid, double x, double y) {
  if (!InsideMap(x) || !InsideMap(y)) return;
  const GridNode node = NodeAt(x, y);
  const std::string label = PressureLabel(grid.At(node.column, node.row));
  const PointF at{x - kLabelLeft, y - kLabelUp};
  canvas.SetFontSize(kLabelFontSize);
  canvas.SetFontBold(false);
  canvas.SetForeColour(kBlack);
  for (const int dy : {-1, 0, 1})
    for (const int dx : {-1, 0, 1})
      if (dx != 0 || dy != 0) canvas.Text({at.x + dx * kOutlineOffset, at.y + dy * kOutlineOffset}, label);
  canvas.SetForeColour(kWhite);
  canvas.Text(at, label);
}

}  // namespace nimbara
