#include "app/StatusBar.h"

#include <gtest/gtest.h>

#include <set>

#include "core/Projection.h"

namespace nimbara {
namespace {

TEST(StatusBar, EveryClickModeHasItsOwnWordsAndTheCorrectionsTheirSteps) {
  std::set<std::string> texts;
  for (int mode = 0; mode <= static_cast<int>(ClickMode::EastWest); ++mode) {
    const std::string text = ClickModeText(static_cast<ClickMode>(mode));
    EXPECT_EQ(text.rfind("クリック：", 0), 0u) << text;
    texts.insert(text);
  }
  EXPECT_EQ(texts.size(), static_cast<std::size_t>(ClickMode::EastWest) + 1);
  EXPECT_EQ(ClickModeText(ClickMode::Raise), "クリック：気圧を上げる（左ボタンで2hPa、右ボタンで0.5hPa）");
}

TEST(StatusBar, PointerTextNamesThePlaceAndOnceAGridExistsItsPressure) {
  PressureGrid grid;
  for (int c = 0; c <= kGridLast; ++c)
    for (int r = 0; r <= kGridLast; ++r) grid.At(c, r) = 101000 + 12 * c;  // 0.01 hPa more each map unit east
  const MapPoint tokyo = ProjectLatLon(35.6, 139.7);
  const struct {
    double x, y;
    bool gridShown;
    const char* text;
  } cases[] = {
      {263, 184, false, "北緯35.0度　東経135.0度"},
      {263, 184, true, "北緯35.0度　東経135.0度　1012.6hPa"},
      {static_cast<double>(tokyo.x), static_cast<double>(tokyo.y), true, "北緯35.6度　東経139.7度　1012.9hPa"},
      {0, 399, true, ""},  // south of the map's latitudes
      {-1, 100, true, ""}, {200, 400.5, false, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PointerText(c.gridShown ? grid : PressureGrid{}, c.x, c.y), c.text) << c.x << "," << c.y;
}

}  // namespace
}  // namespace nimbara
