#pragma once
// Uncompressed Windows bitmaps, for the headless canvas: 24- and 32-bit
// pictures are read, 24-bit pictures are written.

#include <optional>
#include <string>
#include <string_view>

#include "core/Picture.h"

namespace nimbara {

// The first bytes of every BMP file.
inline constexpr std::string_view kBmpSignature = "BM";

std::optional<Picture> DecodeBmp(const std::string& bytes);
std::string EncodeBmp(const Picture& picture);

}  // namespace nimbara
