#include "app/WindowPlaces.h"

#include <gtest/gtest.h>

#include <set>

namespace nimbara {
namespace {

// A 1600 × 1000 screen with a 1000 × 720 main window in its top-left corner:
// title and menu bar 50 pixels high, the browse buttons right of x = 850.
constexpr Desk kRoomy = {{0, 0, 1600, 1000}, {0, 0, 1000, 720}, {0, 50, 850, 650}};
// The same window on a 1024 × 768 screen that it fills.
constexpr Desk kFilled = {{0, 0, 1024, 768}, {0, 0, 1024, 768}, {0, 50, 870, 690}};
// The main window against the right edge of the screen.
constexpr Desk kAtRightEdge = {{0, 0, 1600, 1000}, {600, 0, 1000, 720}, {600, 50, 850, 650}};
constexpr ScreenSize kTool = {300, 200};

TEST(WindowPlaces, BesideTheMapStackedOrTheNearestSpot) {
  const struct {
    const char* what;
    Desk desk;
    std::vector<ScreenRect> open;
    std::optional<ScreenPoint> remembered;
    ScreenPoint expected;
  } cases[] = {
      {"first: right of the browse buttons at the map's top", kRoomy, {}, {}, {1008, 50}},
      {"second: below the first", kRoomy, {{1008, 50, 300, 200}}, {}, {1008, 258}},
      {"column full: the next column", kRoomy, {{1008, 50, 250, 900}}, {}, {1266, 50}},
      {"filled screen: the corner covering least of the map", kFilled, {}, {}, {724, 568}},
      {"filled screen: beside an open window, not on it", kFilled, {{724, 568, 300, 200}}, {}, {724, 50}},
      {"no room right: below the main window at the screen's edge", kAtRightEdge, {}, {}, {1300, 728}},
      {"remembered place", kRoomy, {{1008, 50, 300, 200}}, ScreenPoint{1100, 100}, {1100, 100}},
      {"remembered beyond the screen: back inside", kRoomy, {}, ScreenPoint{2500, -300}, {1300, 0}},
  };
  for (const auto& c : cases) {
    const ScreenPoint place = PlaceWindow(c.desk, kTool, c.open, c.remembered);
    EXPECT_EQ(place, c.expected) << c.what << ": " << place.x << "," << place.y;
  }
}

// Window after window on a screen the main window fills: each new one leaves
// the buttons at the bottom of the ones open before it uncovered.
TEST(WindowPlaces, OnACrowdedScreenNoWindowCoversTheButtonsOfAnother) {
  constexpr ScreenSize kCorrection = {260, 420};
  constexpr ScreenSize kAlignment = {330, 300};
  constexpr int kButtonRow = 48;
  std::vector<ScreenRect> open;
  for (const ScreenSize size : {kCorrection, kAlignment, kTool, kTool}) {
    const ScreenPoint place = PlaceWindow(kFilled, size, open, std::nullopt);
    const ScreenRect frame = {place.x, place.y, size.width, size.height};
    for (const ScreenRect& window : open) {
      const ScreenRect buttons = {window.x, window.Bottom() - kButtonRow, window.width, kButtonRow};
      EXPECT_EQ(OverlapArea(frame, buttons), 0) << open.size() << ": " << place.x << "," << place.y;
    }
    open.push_back(frame);
  }
}

TEST(WindowPlaces, EveryWindowHasItsOwnName) {
  const WindowId ids[] = {WindowId::Tenki1, WindowId::Kaiyou1, WindowId::Gyogyou, WindowId::Teisei,
                          WindowId::FrmAdjust, WindowId::Danmen, WindowId::Cont, WindowId::RadioDictation};
  std::set<std::string_view> names = {kColourWindowPlaceName};
  for (WindowId id : ids) EXPECT_TRUE(names.insert(WindowPlaceName(id)).second) << WindowPlaceName(id);
}

}  // namespace
}  // namespace nimbara
