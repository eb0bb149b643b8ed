#pragma once
// A background picture as plain pixels, so that the Qt-free layers can hand
// pictures between the clipboard, files and the Canvas.

#include <cstdint>
#include <vector>

#include "core/Colour.h"

namespace nimbara {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // row-major, 0xAARRGGBB

  bool Empty() const { return width <= 0 || height <= 0; }
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  // The colour of pixel (x, y), its alpha left out.
  Colour ColourAt(int x, int y) const {
    const std::uint32_t argb = At(x, y);
    return Rgb(static_cast<int>(argb >> 16), static_cast<int>(argb >> 8), static_cast<int>(argb));
  }
  bool operator==(const Picture&) const = default;
};

}  // namespace nimbara
