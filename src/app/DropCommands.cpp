#include "app/DropCommands.h"

#include <string_view>

#include "app/ChooserRequests.h"
#include "app/FileCommands.h"
#include "app/ImageCommands.h"
#include "app/SavedObservations.h"
#include "io/FileNames.h"

namespace nimbara {
namespace {

constexpr const char* kDropTitle = "ドロップしたファイル";
constexpr const char* kDataExtension = "txt";
constexpr const char* kLongJpegExtension = "jpeg";  // the jpg type spelt out

enum class DroppedKind { DataFile, Picture, Unknown };

DroppedKind KindOf(const std::string& path) {
  const std::string extension = LowerCaseExtension(path);
  if (extension == kDataExtension) return DroppedKind::DataFile;
  if (extension == kLongJpegExtension) return DroppedKind::Picture;
  for (const ImageType& type : kImageTypes)
    if (extension == type.Extension()) return DroppedKind::Picture;
  return DroppedKind::Unknown;
}

DropPlan Refusal(const std::string& reason) {
  std::string types;
  for (const ImageType& type : kImageTypes) types += (types.empty() ? "." : " .") + std::string(type.Extension());
  DropPlan refused;
  refused.refusal = reason + "\r\n読みこめるのは、データファイル（." + kDataExtension + "）と画像（" + types + "）です。";
  return refused;
}

}  // namespace

DropPlan PlanDrop(const std::vector<std::string>& paths) {
  DropPlan plan;
  for (const std::string& path : paths) {
    std::optional<std::string>* slot = nullptr;
    switch (KindOf(path)) {
      case DroppedKind::DataFile:
        slot = &plan.dataFile;
        break;
      case DroppedKind::Picture:
        slot = &plan.picture;
        break;
      case DroppedKind::Unknown:
        return Refusal("「" + FileNameOf(path) + "」は読みこめません。");
    }
    if (*slot) return Refusal("データファイルと画像は、ひとつずつドロップしてください。");
    *slot = path;
  }
  return plan;
}

void DropFiles(const AppContext& app, const std::vector<std::string>& paths) {
  const DropPlan plan = PlanDrop(paths);
  if (!plan.refusal.empty()) {
    app.ui.Message(kDropTitle, plan.refusal, MessageIcon::Warning);
    return;
  }
  if (plan.dataFile && !MayReplaceObservations(app, kUnsavedBeforeLoad)) return;
  bool mapDrawn = false;
  if (plan.dataFile) {
    app.state.fullDataMode = true;  // as データファイル読みこみ
    mapDrawn = LoadDataFileAt(app, *plan.dataFile);
  }
  if (!plan.picture) return;
  if (mapDrawn)
    LoadPictureOrSayWhy(app, *plan.picture);
  else
    LoadPictureAt(app, *plan.picture);
}

}  // namespace nimbara
