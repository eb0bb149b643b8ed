#pragma once
// A picture file shown under the drawing.

#include <string>

#include "canvas/Canvas.h"
#include "io/FileIo.h"

namespace nimbara {

// The picture file at `path` decoded by the canvas and shown under the
// drawing. When it is no regular file, too large or not a picture
// (FileFault::WrongKind), the earlier picture stays and the status says why.
FileStatus LoadPictureFile(Canvas& canvas, const std::string& path);

}  // namespace nimbara
