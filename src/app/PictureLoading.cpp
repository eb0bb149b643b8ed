#include "app/PictureLoading.h"

#include "io/PictureFile.h"

namespace nimbara {

FileStatus LoadPictureFile(Canvas& canvas, const std::string& path) {
  const FileRead read = ReadPictureFile(path);
  if (!read.status) return read.status;
  if (!canvas.LoadPictureBytes(read.content)) return {FileFault::WrongKind, 0, path};
  return {};
}

}  // namespace nimbara
