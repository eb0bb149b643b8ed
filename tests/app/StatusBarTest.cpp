#include "app/StatusBar.h"

#include <gtest/gtest.h>

#include "core/Projection.h"

namespace nimbara {
namespace {

TEST(StatusBar, EveryClickModeSaysWhatAClickDoes) {
  const std::pair<ClickMode, const char*> cases[] = {
      {ClickMode::None, "クリック：その場所の気圧を地図に書く"},
      {ClickMode::SlideShow, "クリック：連続表示を止める"},
      {ClickMode::Align, "クリック：位置調整の画面を手前に出す"},
      {ClickMode::Read, "クリック：等圧線の気圧を調べる"},
      {ClickMode::Raise, "クリック：気圧を上げる（左ボタンで2hPa、右ボタンで0.5hPa）"},
      {ClickMode::Lower, "クリック：気圧を下げる（左ボタンで2hPa、右ボタンで0.5hPa）"},
      {ClickMode::NorthSouth, "クリック：そこを通る南北の雲の断面図を描く"},
      {ClickMode::EastWest, "クリック：そこを通る東西の雲の断面図を描く"},
  };
  for (const auto& [mode, text] : cases) EXPECT_EQ(ClickModeText(mode), text) << static_cast<int>(mode);
}

TEST(StatusBar, PointerTextNamesThePlaceAndOnceAGridExistsItsPressure) {
  PressureGrid grid;
  for (int c = 0; c <= kGridLast; ++c)
    for (int r = 0; r <= kGridLast; ++r) grid.At(c, r) = 101000 + 12 * c;  // 0.01 hPa more each map unit east
  const MapPoint tokyo = ProjectLatLon(35.6, 139.7);
  struct Case {
    double x, y;
    bool gridShown;
    const char* text;
  };
  const Case cases[] = {
      {263, 184, false, "北緯35.0度　東経135.0度"},
      {263, 184, true, "北緯35.0度　東経135.0度　1012.6hPa"},
      {static_cast<double>(tokyo.x), static_cast<double>(tokyo.y), true, "北緯35.6度　東経139.7度　1012.9hPa"},
      {0, 399, true, ""},       // south of the map's latitudes
      {-1, 100, true, ""},      // left of the map
      {200, 400.5, false, ""},  // below it
  };
  for (const Case& c : cases) {
    PressureGrid shown = c.gridShown ? grid : PressureGrid{};
    EXPECT_EQ(PointerText(shown, c.x, c.y), c.text) << c.x << "," << c.y;
  }
}

}  // namespace
}  // namespace nimbara
