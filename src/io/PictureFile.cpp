#include "io/PictureFile.h"

namespace nimbara {

FileStatus LoadPictureFile(Canvas& canvas, const std::string& path) {
  const FileRead read = ReadFile(path, kMaxPictureFileBytes);
  if (!read.status) return read.status;
  if (!canvas.LoadPictureBytes(read.content)) return {FileFault::WrongKind, 0, path};
  return {};
}

}  // namespace nimbara
