#pragma once
// A background picture as plain pixels, so that the Qt-free layers can hand
// pictures between the clipboard, files and the Canvas.

#include <cstdint>
#include <vector>

namespace nimbara {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // row-major, 0xAARRGGBB

  bool Empty() const { return width <= 0 || height <= 0; }
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  bool operator==(const Picture&) const = default;
};

}  // namespace nimbara
