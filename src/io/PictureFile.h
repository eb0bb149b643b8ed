#pragma once
// Picture files (satellite pictures, companion pictures) read through the file
// boundary as bytes; whoever shows a picture decodes them (the Canvas).

#include <string>

#include "io/FileIo.h"

namespace nimbara {

// A satellite picture of 800 × 800 pixels is under 2 MB even as a BMP.
inline constexpr std::size_t kMaxPictureFileBytes = std::size_t{64} << 20;

// The bytes of the picture file at `path`, or why there are none: no regular
// file, or too large.
FileRead ReadPictureFile(const std::string& path);

}  // namespace nimbara
