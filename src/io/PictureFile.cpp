#include "io/PictureFile.h"

#include "io/FileIo.h"

namespace nimbara {

bool LoadPictureFile(Canvas& canvas, const std::string& path) {
  const auto bytes = ReadWholeFile(path, kMaxPictureFileBytes);
  return bytes && canvas.LoadPictureBytes(*bytes);
}

}  // namespace nimbara
