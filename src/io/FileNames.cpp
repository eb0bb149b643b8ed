#include "io/FileNames.h"

#include "io/FileIo.h"

namespace nimbara {
namespace {

constexpr const char* kIsobarExtension = ".CNT";

std::size_t FileNameStart(const std::string& path) { return path.size() - FileNameOf(path).size(); }

}  // namespace

std::string ExtensionBase(const std::string& path) {
  const std::size_t dot = FileNameOf(path).rfind('.');
  if (dot == std::string::npos) return path + ".";
  return path.substr(0, FileNameStart(path) + dot + 1);
}

std::string WithExtension(const std::string& path, const std::string& extension) {
  return ExtensionBase(path) + extension;
}

std::optional<std::string> IsobarFileName(const std::string& chosen) {
  const std::string name = FileNameOf(chosen);
  const std::size_t dot = name.find('.');
  if (dot == 0) return std::nullopt;
  if (dot == std::string::npos) return chosen + kIsobarExtension;
  return chosen.substr(0, FileNameStart(chosen) + dot) + kIsobarExtension;
}

std::optional<std::string> FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos || slash == 0) return std::nullopt;
  return path.substr(0, slash);
}

}  // namespace nimbara
