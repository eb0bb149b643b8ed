#include "web/PageTransfers.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "web/PageFiles.h"
#include "web/PageFolder.h"
#include "web/StoredZip.h"
#include "app/FileCommands.h"
#include "io/FileIo.h"
#include "io/FileNames.h"

namespace nimbara {
namespace {

constexpr const char* kSavedTitle = "ファイルの保存";
constexpr const char* kOpenTitle = "データファイルを開く";
constexpr const char* kLineBreak = "\r\n";
constexpr const char* kListSeparator = "、";
constexpr const char* kWhereDownloads = "ブラウザのダウンロードのフォルダにあります。";
constexpr const char* kArchiveOpens = "このページの「データファイルを開く」で、このZIPファイルのまま開けます。";
constexpr const char* kChooseDataFile =
    "データファイル（.txt）か、このページで保存した ZIP ファイルを選んでください。"
    "気象衛星画像は同じ名前の .bmp などを一緒に選びます。";
constexpr const char* kUnreadableArchive = "このページで保存した ZIP ファイルだけを開けます。";

std::string Quoted(const std::string& name) { return "「" + name + "」"; }

std::string InFolder(const char* folder, const std::string& name) { return std::string(folder) + "/" + name; }

}  // namespace

std::optional<std::string> PackSavedFiles(Ui& ui, const std::string& dataName) {
  std::vector<std::string> names = FolderFiles(kSaveFolder);
  if (names.empty()) return std::nullopt;
  // The data file first, as the person looks for it.
  std::stable_partition(names.begin(), names.end(), [&](const std::string& name) { return name == dataName; });
  if (names.size() == 1) {
    ui.Message(kSavedTitle, Quoted(names.front()) + "として保存しました。" + kWhereDownloads, MessageIcon::Information);
    return InFolder(kSaveFolder, names.front());
  }
  std::vector<ZipEntry> entries;
  std::string listed;
  for (const std::string& name : names) {
    entries.push_back({name, ReadWholeFile(InFolder(kSaveFolder, name)).value_or("")});
    listed += (listed.empty() ? "" : kListSeparator) + name;
  }
  EmptyFolder(kSaveFolder);
  const std::string archive = WithExtension(dataName, kArchiveExtension);
  const std::string path = InFolder(kSaveFolder, archive);
  const std::time_t now = std::time(nullptr);
  if (!WriteFileAtomically(path, StoredZip(entries, *std::localtime(&now)))) return std::nullopt;
  ui.Message(kSavedTitle,
             Quoted(archive) + "にまとめて保存しました。" + kWhereDownloads + kLineBreak + "中身：" + listed + kLineBreak +
                 kArchiveOpens,
             MessageIcon::Information);
  return path;
}

std::vector<std::string> UnpackChosenFiles() {
  for (const std::string& name : FolderFiles(kOpenFolder)) {
    if (!IsArchiveName(name)) continue;
    const auto entries = ReadStoredZip(ReadWholeFile(InFolder(kOpenFolder, name)).value_or(""));
    if (!entries) continue;
    for (const ZipEntry& entry : *entries) WriteFileAtomically(InFolder(kOpenFolder, FileNameOf(entry.name)), entry.bytes);
    std::remove(InFolder(kOpenFolder, name).c_str());
  }
  std::vector<std::string> pictures;
  if (const auto chosen = ChosenDataFile(FolderFiles(kOpenFolder))) {
    for (const std::string& picture : CompanionPictureNames(*chosen))
      if (FileExists(InFolder(kOpenFolder, picture))) pictures.push_back(picture);
  }
  return pictures;
}

bool OpenChosenDataFile(const AppContext& app) {
  const auto chosen = ChosenDataFile(FolderFiles(kOpenFolder));
  if (!chosen || IsArchiveName(*chosen)) {
    app.ui.Message(kOpenTitle, chosen ? Quoted(*chosen) + "を読めませんでした。" + kUnreadableArchive : kChooseDataFile,
                   MessageIcon::Warning);
    return false;
  }
  FolderVisit visit(kOpenFolder);
  app.state.fullDataMode = true;
  return LoadDataFileAt(app, *chosen);
}

}  // namespace nimbara
