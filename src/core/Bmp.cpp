#include "core/Bmp.h"

#include <cstdint>
#include <limits>

namespace nimbara {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr int kMaxSide = 16384;  // larger pictures are not satellite images

std::uint32_t Read32(const std::string& b, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
std::uint16_t Read16(const std::string& b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                    static_cast<unsigned char>(b[at + 1]) << 8);
}
void Put32(std::string& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
}
void Put16(std::string& b, std::uint16_t v) {
  b += static_cast<char>(v & 0xFF);
  b += static_cast<char>(v >> 8);
}

}  // namespace

std::optional<Picture> DecodeBmp(const std::string& b) {
  if (b.size() < kFileHeaderSize + kInfoHeaderSize || !b.starts_with(kBmpSignature)) return {};
  const std::uint32_t dataOffset = Read32(b, 10);
  const auto width = static_cast<std::int32_t>(Read32(b, 18));
  const auto rawHeight = static_cast<std::int32_t>(Read32(b, 22));
  const std::uint16_t bits = Read16(b, 28);
  const std::uint32_t compression = Read32(b, 30);
  if ((bits != 24 && bits != 32) || (compression != 0 && compression != 3)) return {};
  if (rawHeight == std::numeric_limits<std::int32_t>::min()) return {};
  const bool topDown = rawHeight < 0;
  const int height = topDown ? -rawHeight : rawHeight;
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return {};
  const std::size_t bytesPerPixel = bits / 8;
  const std::size_t stride = (static_cast<std::size_t>(width) * bytesPerPixel + 3) / 4 * 4;
  if (dataOffset > b.size() || (b.size() - dataOffset) / stride < static_cast<std::size_t>(height))
    return {};
  Picture picture{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
  for (int y = 0; y < height; ++y) {
    const int fileRow = topDown ? y : height - 1 - y;
    const std::size_t rowStart = dataOffset + static_cast<std::size_t>(fileRow) * stride;
    for (int x = 0; x < width; ++x) {
      const std::size_t at = rowStart + static_cast<std::size_t>(x) * bytesPerPixel;
      const auto blue = static_cast<unsigned char>(b[at]);
      const auto green = static_cast<unsigned char>(b[at + 1]);
      const auto red = static_cast<unsigned char>(b[at + 2]);
      picture.pixels[static_cast<std::size_t>(y) * width + x] =
          0xFF000000u | (static_cast<std::uint32_t>(red) << 16) | (green << 8) | blue;
    }
  }
  return picture;
}

std::string EncodeBmp(const Picture& picture) {
  const std::size_t stride = (static_cast<std::size_t>(picture.width) * 3 + 3) / 4 * 4;
  const std::size_t dataSize = stride * picture.height;
  std::string b;
  b.reserve(kFileHeaderSize + kInfoHeaderSize + dataSize);
  b += kBmpSignature;
  Put32(b, static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize + dataSize));
  Put32(b, 0);
  Put32(b, kFileHeaderSize + kInfoHeaderSize);
  Put32(b, kInfoHeaderSize);
  Put32(b, static_cast<std::uint32_t>(picture.width));
  Put32(b, static_cast<std::uint32_t>(picture.height));
  Put16(b, 1);
  Put16(b, 24);
  for (int i = 0; i < 6; ++i) Put32(b, 0);
  for (int y = picture.height - 1; y >= 0; --y) {
    std::size_t written = 0;
    for (int x = 0; x < picture.width; ++x, written += 3) {
      const std::uint32_t p = picture.At(x, y);
      b += static_cast<char>(p & 0xFF);
      b += static_cast<char>((p >> 8) & 0xFF);
      b += static_cast<char>((p >> 16) & 0xFF);
    }
    b.append(stride - written, '\0');
  }
  return b;
}

}  // namespace nimbara
