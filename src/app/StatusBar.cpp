#include "app/StatusBar.h"

#include "core/MapView.h"
#include "core/Numbers.h"
#include "core/Projection.h"
#include "pressure/IsobarCorrection.h"
#include "pressure/PressureReadout.h"

namespace nimbara {
namespace {

constexpr const char* kFieldGap = "　";

std::string CorrectionSteps() {
  return "（左ボタンで" + HectopascalText(kLeftButtonStep) + "hPa、右ボタンで" + HectopascalText(kOtherButtonStep) +
         "hPa）";
}

}  // namespace

std::string ClickModeText(ClickMode mode) {
  const std::string click = "クリック：";
  switch (mode) {
    case ClickMode::None:
      return click + "その場所の気圧を地図に書く";
    case ClickMode::SlideShow:
      return click + "連続表示を止める";
    case ClickMode::Align:
      return click + "位置調整の画面を手前に出す";
    case ClickMode::Read:
      return click + "等圧線の気圧を調べる";
    case ClickMode::Raise:
      return click + "気圧を上げる" + CorrectionSteps();
    case ClickMode::Lower:
      return click + "気圧を下げる" + CorrectionSteps();
    case ClickMode::NorthSouth:
      return click + "そこを通る南北の雲の断面図を描く";
    case ClickMode::EastWest:
      return click + "そこを通る東西の雲の断面図を描く";
  }
  return click;
}

std::string PointerText(const PressureGrid& grid, double x, double y) {
  if (!OnBaseMap(x) || !OnBaseMap(y)) return {};
  const auto place = LatLonAt(x, y);
  if (!place) return {};
  std::string text = "北緯" + FixedDecimal(place->latitude, 1) + "度" + kFieldGap + "東経" +
                     FixedDecimal(place->longitude, 1) + "度";
  if (!grid.IsValid()) return text;
  if (const auto hPa = InterpolatedPressure(grid, x, y)) text += kFieldGap + FixedDecimal(*hPa, 1) + "hPa";
  return text;
}

}  // namespace nimbara
