#include "app/MapOutput.h"

#include <array>
#include <utility>

#include "app/DisplayCommands.h"
#include "io/FileNames.h"

namespace nimbara {
namespace {

constexpr std::array<std::pair<std::string_view, ExportFormat>, 3> kExportExtensions = {
    {{"png", ExportFormat::Png}, {"svg", ExportFormat::Svg}, {"pdf", ExportFormat::Pdf}}};

}  // namespace

std::optional<ExportFormat> ExportFormatFor(const std::string& path) {
  const std::string extension = LowerCaseExtension(path);
  for (const auto& [name, format] : kExportExtensions)
    if (extension == name) return format;
  return std::nullopt;
}

std::string MapOutputName(const std::string& chosen) {
  return ExportFormatFor(chosen) ? chosen : chosen + ".png";
}

std::optional<std::string> ChooseMapOutputPath(const AppContext& app, const ChooserRequest& request) {
  auto path = app.ui.ChooseFile(request);
  if (!path || path->empty()) return std::nullopt;
  return MapOutputName(*path);
}

std::string MapTitle(const AppState& state) { return state.store.observationDate; }

std::string PageHeading(const AppState& state) { return DrawsChartStyle(state) ? std::string() : MapTitle(state); }

}  // namespace nimbara
