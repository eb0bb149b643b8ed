#pragma once
// Picture files (satellite pictures, companion pictures): read through the
// file boundary, decoded by the Canvas.

#include <string>

#include "core/Canvas.h"

namespace nimbara {

// A satellite picture of 800 × 800 pixels is under 2 MB even as a BMP.
inline constexpr std::size_t kMaxPictureFileBytes = std::size_t{64} << 20;

// The picture file at `path` shown under the drawing; false, with the earlier
// picture kept, when it is no regular file, too large or not a picture.
bool LoadPictureFile(Canvas& canvas, const std::string& path);

}  // namespace nimbara
