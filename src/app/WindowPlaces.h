#pragma once
// Where a tool or entry window opens. Beside the map: right of the main
// window, whose right edge lies just past the browse buttons, from the map's
// top down, each window below the ones open there and then in the next
// column, so that none covers another, the menu bar or the map. A window
// placed before (moved by the person, or earlier in the run) opens where it
// was. A screen too small for that gives the nearest spot that covers the
// least, the map and menu bar counting double the open windows and the
// bottom row of an open window, where its buttons are, four times more, so
// that every button stays reachable; a window never leaves the screen.

#include <optional>
#include <string_view>
#include <vector>

#include "app/Ui.h"
#include "core/ScreenGeometry.h"

namespace nimbara {

struct Desk {
  ScreenRect screen;      // the screen's available area (without panels)
  ScreenRect mainWindow;  // its frame, title and menu bar included
  ScreenRect map;         // the map surface
};

// The top-left corner of a window's frame of `size`, with the frames of the
// windows open now.
ScreenPoint PlaceWindow(const Desk& desk, ScreenSize size, const std::vector<ScreenRect>& open,
                        std::optional<ScreenPoint> remembered);

// The name a window's place is kept under ("窓の位置（等圧線の修正）=").
std::string_view WindowPlaceName(WindowId id);
inline constexpr std::string_view kColourWindowPlaceName = "表示色の変更";

}  // namespace nimbara
