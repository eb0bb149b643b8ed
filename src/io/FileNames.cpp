#include "io/FileNames.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "io/FileIo.h"

namespace nimbara {
namespace {

constexpr const char* kIsobarExtension = "cnt";
constexpr const char* kOlderIsobarExtension = "CNT";
constexpr std::array<const char*, 3> kPictureExtensions = {"gif", "bmp", "jpg"};
constexpr std::size_t kSavedPicture = 1;  // bmp
constexpr const char* kSatellitePictureExtension = "BMP";
constexpr const char* kDataExtension = "txt";
constexpr const char* kSettingsExtension = "ini";

std::size_t FileNameStart(const std::string& path) { return path.size() - FileNameOf(path).size(); }

// `base` (ending in ".") with the isobar extension of an existing file.
std::string IsobarNameOf(const std::string& base) {
  const std::string upper = base + kOlderIsobarExtension;
  return !FileExists(base + kIsobarExtension) && FileExists(upper) ? upper : base + kIsobarExtension;
}

// The path up to and including the last "." of its file name, or the path and
// a "." when the file name has none ("weather.dat" -> "weather.").
std::string ExtensionBase(const std::string& path) {
  const std::size_t dot = FileNameOf(path).rfind('.');
  if (dot == std::string::npos) return path + ".";
  return path.substr(0, FileNameStart(path) + dot + 1);
}

}  // namespace

std::string FileNameOf(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WithExtension(const std::string& path, const std::string& extension) {
  return ExtensionBase(path) + extension;
}

std::string LowerCaseExtension(const std::string& path) {
  const std::string name = FileNameOf(path);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos) return {};
  std::string extension = name.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

std::string DataFileName(const std::string& chosen) { return WithExtension(chosen, kDataExtension); }
std::string SettingsFileName(const std::string& chosen) { return WithExtension(chosen, kSettingsExtension); }

std::string PictureSaveName(const std::string& chosen) { return WithExtension(chosen, kSatellitePictureExtension); }

std::optional<std::string> IsobarFileName(const std::string& chosen) {
  const std::string name = FileNameOf(chosen);
  const std::size_t dot = name.find('.');
  if (dot == 0) return std::nullopt;
  if (dot == std::string::npos) return IsobarNameOf(chosen + ".");
  return IsobarNameOf(chosen.substr(0, FileNameStart(chosen) + dot + 1));
}

std::string CompanionIsobarName(const std::string& dataPath) { return IsobarNameOf(ExtensionBase(dataPath)); }

std::vector<std::string> CompanionPictureNames(const std::string& dataPath) {
  std::vector<std::string> names;
  for (const char* extension : kPictureExtensions) names.push_back(WithExtension(dataPath, extension));
  return names;
}

std::string CompanionPictureName(const std::string& dataPath) {
  return WithExtension(dataPath, kPictureExtensions[kSavedPicture]);
}

std::optional<std::string> FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos || slash == 0) return std::nullopt;
  return path.substr(0, slash);
}

}  // namespace nimbara
