#include "app/MapOutput.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "io/FileIo.h"

namespace nimbara {
namespace {

constexpr Colour kSavingBackground = 0xC0C0FF;  // the light red of the other saving choosers
constexpr std::array<std::string_view, 3> kOutputExtensions = {".png", ".svg", ".pdf"};

bool HasOutputExtension(const std::string& path) {
  const std::string name = FileNameOf(path);
  const auto dot = name.rfind('.');
  if (dot == std::string::npos) return false;
  std::string extension = name.substr(dot);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return std::find(kOutputExtensions.begin(), kOutputExtensions.end(), extension) != kOutputExtensions.end();
}

std::string MapOutputName(const std::string& chosen) {
  return HasOutputExtension(chosen) ? chosen : chosen + ".png";
}

}  // namespace

std::optional<std::string> ChooseMapOutputPath(const AppContext& app, const char* caption) {
  auto path = app.ui.ChooseFile({caption, kMapOutputPattern, kSavingBackground, false, MapOutputName});
  if (!path || path->empty()) return std::nullopt;
  return MapOutputName(*path);
}

std::string MapTitle(const AppState& state) { return state.store.observationDate; }

}  // namespace nimbara
