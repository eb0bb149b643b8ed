#pragma once
// Pictures between the browser's RGBA bytes (four a pixel, row by row, as
// canvas image data holds them) and the core's Picture.

#include <cstdint>
#include <vector>

#include "core/Picture.h"

namespace nimbara {

Picture PictureFromRgba(int width, int height, const std::uint8_t* rgba);
std::vector<std::uint8_t> RgbaOf(const Picture& picture);

}  // namespace nimbara
