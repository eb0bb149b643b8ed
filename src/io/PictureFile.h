#pragma once
// Picture files (satellite pictures, companion pictures): read through the
// file boundary, decoded by the Canvas.

#include <string>

#include "core/Canvas.h"
#include "io/FileIo.h"

namespace nimbara {

// A satellite picture of 800 × 800 pixels is under 2 MB even as a BMP.
inline constexpr std::size_t kMaxPictureFileBytes = std::size_t{64} << 20;

// The picture file at `path` shown under the drawing. When it is no regular
// file, too large or not a picture (FileFault::WrongKind), the earlier picture
// stays and the status says why.
FileStatus LoadPictureFile(Canvas& canvas, const std::string& path);

}  // namespace nimbara
