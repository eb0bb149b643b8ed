#include "app/WindowPlaces.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace nimbara {
namespace {

constexpr int kGap = 8;  // pixels between the main window and a window, and between windows

ScreenPoint ClampInto(const ScreenRect& screen, ScreenPoint place, ScreenSize size) {
  // A window larger than the screen keeps its top-left corner on it.
  place.x = std::max(screen.x, std::min(place.x, screen.Right() - size.width));
  place.y = std::max(screen.y, std::min(place.y, screen.Bottom() - size.height));
  return place;
}

// A pixel of the menu bar or the map covered counts as much as this many of
// an open window: the map is what the windows serve, but a window hidden
// under another is of no use either.
constexpr std::int64_t kMapPixelWeight = 2;

// The bottom of a window, where its buttons are (もどる, データ入力,
// 等圧線の保存 …): covering it costs more than covering the map, so that every
// button of every open window stays reachable even on a crowded screen.
constexpr int kButtonRowHeight = 48;
constexpr std::int64_t kButtonPixelWeight = 4;

ScreenRect ButtonRow(const ScreenRect& window) {
  const int height = std::min(kButtonRowHeight, window.height);
  return {window.x, window.Bottom() - height, window.width, height};
}

// What a place costs, compared in order: the area it covers, the distance
// from the first column (a column is filled before the next is begun), the
// distance down that column.
using Cost = std::tuple<std::int64_t, int, int>;

}  // namespace

ScreenPoint PlaceWindow(const Desk& desk, ScreenSize size, const std::vector<ScreenRect>& open,
                        std::optional<ScreenPoint> remembered) {
  if (remembered) return ClampInto(desk.screen, *remembered, size);
  const ScreenPoint first = {desk.mainWindow.Right() + kGap, desk.map.y};
  const ScreenRect titleAndMenu = {desk.mainWindow.x, desk.mainWindow.y, desk.mainWindow.width,
                                   desk.map.y - desk.mainWindow.y};
  // The places worth trying: against the edges of the screen, of the main
  // window and of every open window.
  std::vector<int> xs = {first.x, desk.mainWindow.x - kGap - size.width, desk.screen.x,
                         desk.screen.Right() - size.width};
  std::vector<int> ys = {first.y, desk.mainWindow.Bottom() + kGap, desk.screen.y,
                         desk.screen.Bottom() - size.height};
  for (const ScreenRect& window : open) {
    xs.insert(xs.end(), {window.Right() + kGap, window.x - kGap - size.width});
    ys.insert(ys.end(), {window.Bottom() + kGap, window.y - kGap - size.height,
                         ButtonRow(window).y - kGap - size.height});
  }
  std::optional<std::pair<Cost, ScreenPoint>> best;
  for (int x : xs) {
    for (int y : ys) {
      const ScreenPoint place = ClampInto(desk.screen, {x, y}, size);
      const ScreenRect frame = {place.x, place.y, size.width, size.height};
      std::int64_t coveredWindows = 0;
      for (const ScreenRect& window : open)
        coveredWindows += OverlapArea(frame, window) + kButtonPixelWeight * OverlapArea(frame, ButtonRow(window));
      const std::int64_t coveredMap = OverlapArea(frame, titleAndMenu) + OverlapArea(frame, desk.map);
      const Cost cost = {kMapPixelWeight * coveredMap + coveredWindows, std::abs(place.x - first.x),
                         std::abs(place.y - first.y)};
      if (!best || cost < best->first) best = {cost, place};
    }
  }
  return best->second;
}

std::string_view WindowPlaceName(WindowId id) {
  switch (id) {
    case WindowId::Tenki1:
      return "気象データの入力";
    case WindowId::Kaiyou1:
      return "船舶からの報告データの入力";
    case WindowId::Gyogyou:
      return "低気圧や前線の位置の入力";
    case WindowId::Teisei:
      return "等圧線の修正";
    case WindowId::FrmAdjust:
      return "画像と地図の位置調整";
    case WindowId::Danmen:
      return "断面図";
    case WindowId::Cont:
      return "連続表示";
    case WindowId::RadioDictation:
      return "ラジオの気象通報から入力";
    case WindowId::Renshuu:
      return "等圧線を引く練習";
  }
  return "";
}

}  // namespace nimbara
