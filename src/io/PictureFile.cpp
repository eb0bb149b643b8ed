#include "io/PictureFile.h"

namespace nimbara {

FileRead ReadPictureFile(const std::string& path) { return ReadFile(path, kMaxPictureFileBytes); }

}  // namespace nimbara
