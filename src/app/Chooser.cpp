#include "app/Chooser.h"

#include "app/MapOutput.h"
#include "io/FileIo.h"

#include <array>
#include <filesystem>

namespace nimbara {
namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 6> kSavingCaptions = {
    "観測データ保存", "等圧線データ保存", "画像の保存", "設定（記号の色、地図の位置）データの保存",
    kMapSaveCaption, kBlankSaveCaption};

bool IsFolder(const std::string& path) {
  std::error_code ignored;
  return fs::is_directory(path, ignored);
}

bool IsFile(const std::string& path) {
  std::error_code ignored;
  return fs::is_regular_file(path, ignored);
}

OkDecision Warning(const char* text) { return {OkStep::Warn, {}, {}, {}, text, {}}; }

OkDecision ShowList(std::string folder, std::string pattern) {
  return {OkStep::ShowList, std::move(folder), std::move(pattern), {}, {}, {}};
}

OkDecision Accepted(std::string path) { return {OkStep::Accept, {}, {}, std::move(path), {}, {}}; }

// A pattern with an optional folder before it: "/data/*.bmp", "*.txt".
OkDecision ApplyPattern(const std::string& name, const std::string& folder) {
  const std::size_t slash = name.rfind('/');
  if (slash == std::string::npos) return ShowList(folder, name);
  const std::string part = name.substr(0, slash);
  const std::string target = part.empty() ? "/" : (part.front() == '/' ? part : JoinPath(folder, part));
  if (!IsFolder(target)) return Warning(kPathNotFoundWarning);
  return ShowList(target, name.substr(slash + 1));
}

}  // namespace

bool IsSavingCaption(std::string_view caption) {
  for (std::string_view saving : kSavingCaptions)
    if (caption == saving) return true;
  return false;
}

bool IsPattern(std::string_view name) { return name.find_first_of("*?") != std::string_view::npos; }

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

OkDecision DecideOk(const ChooserRequest& request, const std::string& nameText, const std::string& selectedName,
                    const std::string& folder, const std::string& pattern) {
  const std::string name = nameText.empty() ? selectedName : nameText;
  if (name.empty()) return Warning(kMissingFileWarning);
  if (IsPattern(name)) return ApplyPattern(name, folder);
  const std::string path = name.front() == '/' ? name : JoinPath(folder, name);
  if (IsFolder(path)) return ShowList(path, pattern);
  // Only a save can overwrite; asking about it when a file is read would
  // make No cancel an ordinary open.
  if (!IsSavingCaption(request.caption)) {
    if (IsFile(path)) return Accepted(path);
    return Warning(kMissingFileWarning);
  }
  const fs::path parent = fs::path(path).parent_path();
  if (name.back() == '/' || !IsFolder(parent.empty() ? "/" : parent.string()))
    return Warning(kPathNotFoundWarning);
  const std::string saved = request.savedName ? request.savedName(path) : path;
  if (!IsFile(saved)) return Accepted(path);
  OkDecision ask = Accepted(path);
  ask.step = OkStep::AskOverwrite;
  ask.question = FileNameOf(saved) + "\r\n" + kOverwriteQuestion;
  return ask;
}

}  // namespace nimbara
