#include "web/PicturePixels.h"

namespace nimbara {
namespace {

constexpr int kAlphaShift = 24;
constexpr int kRedShift = 16;
constexpr int kGreenShift = 8;
constexpr std::uint32_t kByte = 0xFF;

}  // namespace

Picture PictureFromRgba(int width, int height, const std::uint8_t* rgba) {
  Picture picture{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
  for (std::uint32_t& pixel : picture.pixels) {
    pixel = std::uint32_t{rgba[3]} << kAlphaShift | std::uint32_t{rgba[0]} << kRedShift |
            std::uint32_t{rgba[1]} << kGreenShift | rgba[2];
    rgba += 4;
  }
  return picture;
}

std::vector<std::uint8_t> RgbaOf(const Picture& picture) {
  std::vector<std::uint8_t> rgba;
  rgba.reserve(picture.pixels.size() * 4);
  for (const std::uint32_t pixel : picture.pixels) {
    for (const int shift : {kRedShift, kGreenShift, 0, kAlphaShift})
      rgba.push_back(static_cast<std::uint8_t>(pixel >> shift & kByte));
  }
  return rgba;
}

}  // namespace nimbara
