#include "render/PressureLabel.h"

#include "pressure/PressureReadout.h"

namespace nimbara {
namespace {

constexpr double kLabelFontSize = 14.0;
// The black copies stand this far off the white label all round (a pixel of
// the 800-pixel map), so it reads on a white map as on a dark picture.
constexpr double kOutlineOffset = 0.5;

}  // namespace

void ShowPressureAtClick(Canvas& canvas, const PressureGrid& grid, double x, double y) {
  const std::optional<PressureLabelPlace> label = PressureLabelAtClick(grid, x, y);
  if (!label) return;
  const PointF at = label->topLeft;
  canvas.SetFontSize(kLabelFontSize);
  canvas.SetFontBold(false);
  canvas.SetForeColour(kBlack);
  for (const int dy : {-1, 0, 1})
    for (const int dx : {-1, 0, 1})
      if (dx != 0 || dy != 0) canvas.Text({at.x + dx * kOutlineOffset, at.y + dy * kOutlineOffset}, label->text);
  canvas.SetForeColour(kWhite);
  canvas.Text(at, label->text);
}

}  // namespace nimbara
