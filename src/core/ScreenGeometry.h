#pragma once
// Places and sizes of windows on the screen, in screen pixels (y downwards).

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>

namespace nimbara {

struct ScreenPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

struct ScreenSize {
  int width = 0;
  int height = 0;
};

struct ScreenRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int Right() const { return x + width; }  // just past the last column
  int Bottom() const { return y + height; }
};

// The area two rectangles share, in square pixels (0 when they only touch).
inline std::int64_t OverlapArea(const ScreenRect& a, const ScreenRect& b) {
  const std::int64_t width = std::min(a.Right(), b.Right()) - std::max(a.x, b.x);
  const std::int64_t height = std::min(a.Bottom(), b.Bottom()) - std::max(a.y, b.y);
  return width > 0 && height > 0 ? width * height : 0;
}

// The top-left corners of windows by the name their place is kept under.
using WindowPlaceMemory = std::map<std::string, ScreenPoint>;

}  // namespace nimbara
