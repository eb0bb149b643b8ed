#include "imagery/ImageNames.h"

namespace nimbara {
namespace {
constexpr const char* kPictureExtension = ".BMP";
}

std::string PictureSaveName(const std::string& chosen) {
  const std::size_t separator = chosen.find_last_of("/\\");
  const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
  const std::size_t dot = chosen.rfind('.');
  const std::string base = (dot != std::string::npos && dot >= nameStart) ? chosen.substr(0, dot) : chosen;
  return base + kPictureExtension;
}

}  // namespace nimbara
