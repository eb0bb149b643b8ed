#include "web/PageFiles.h"

#include <algorithm>
#include <string_view>

#include "app/ChooserRequests.h"
#include "app/MapOutput.h"
#include "core/Text.h"
#include "io/FileNames.h"

namespace nimbara {
namespace {

// "*.txt" -> ".txt"
std::string_view PatternExtension(std::string_view pattern) { return pattern.substr(1); }

bool HasExtensionOf(const std::string& name, const std::string& model) {
  return !LowerCaseExtension(name).empty() && LowerCaseExtension(name) == LowerCaseExtension(model);
}

}  // namespace

std::string SuggestedSaveName(const std::string& currentFilePath) {
  std::string name = FileNameOf(currentFilePath);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name.empty() ? kDefaultSaveName : name;
}

std::string TypedSaveName(const std::string& typed) {
  const std::string name = TrimSpaces(FileNameOf(typed));
  return name.empty() ? kDefaultSaveName : name;
}

std::string PngDownloadName(const std::string& typed) {
  const std::string name = kSaveMapChooser.savedName(TypedSaveName(typed));
  return ExportFormatFor(name) == ExportFormat::Png ? name : name + ".png";
}

bool IsArchiveName(const std::string& name) { return LowerCaseExtension(name) == kArchiveExtension; }

std::optional<std::string> ChosenDataFile(const std::vector<std::string>& names) {
  const auto chosen = std::find_if(names.begin(), names.end(), [](const std::string& name) {
    return HasExtensionOf(name, DataFileName(name)) || IsArchiveName(name);
  });
  if (chosen == names.end()) return std::nullopt;
  return *chosen;
}

std::string AcceptedTypes(OpenKind kind) {
  std::string accepted;
  if (kind == OpenKind::DataFile) {
    accepted += PatternExtension(kLoadDataChooser.pattern);
    accepted += std::string(",.") + kArchiveExtension;
  }
  for (const ImageType& type : kImageTypes) {
    if (!accepted.empty()) accepted += ',';
    accepted += PatternExtension(type.pattern);
  }
  return accepted;
}

}  // namespace nimbara
