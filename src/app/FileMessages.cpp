#include "app/FileMessages.h"

#include <cerrno>
#include <cstring>

#include "core/Text.h"

namespace nimbara {
namespace {

constexpr const char* kTitle = "注　意";
constexpr const char* kLineBreak = "\r\n";

std::string SystemReason(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return "ディスクの空きが足りません";
    case EACCES:
    case EPERM:
      return "アクセスする権限がありません";
    case EROFS:
      return "書きこみのできない場所です";
    case ENOENT:
      return "フォルダがありません";
    default:
      return std::strerror(error);
  }
}

}  // namespace

std::string FileFaultText(const FileStatus& status) {
  switch (status.fault) {
    case FileFault::None:
      return {};
    case FileFault::Missing:
      return "ファイルがありません";
    case FileFault::Folder:
      return "フォルダの名前です";
    case FileFault::NotRegular:
      return "ふつうのファイルではありません（パイプや装置など）";
    case FileFault::TooLarge:
      return "ファイルが大きすぎます";
    case FileFault::Utf8Text:
      return "UTF-8 で書かれたテキストです（このプログラムのファイルは Shift_JIS です）";
    case FileFault::WrongKind:
      return "中身が別の種類のファイルです";
    case FileFault::ReadOnly:
      return "読み出し専用のファイルなので書きかえません";
    case FileFault::System:
      return SystemReason(status.error);
  }
  return {};
}

void ReportUnsavedFile(Ui& ui, const FileStatus& status) {
  ui.Message(kTitle, "ファイルを保存できませんでした" + std::string(kLineBreak) + status.path + kLineBreak +
                         FileFaultText(status),
             MessageIcon::Warning);
}

void ReportUnreadFile(Ui& ui, std::string_view kind, const FileStatus& status) {
  ui.Message(kTitle, std::string(kind) + "のファイルとして読みこめませんでした" + kLineBreak + status.path +
                         kLineBreak + FileFaultText(status),
             MessageIcon::Warning);
}

bool ReportSave(Ui& ui, const std::string& path, const TextFileSave& save) {
  if (!save) {
    ReportUnsavedFile(ui, save.status);
    return false;
  }
  if (save.replaced.empty()) return true;
  std::string listed;
  for (char32_t character : ToCodePoints(save.replaced)) {
    listed += "「";
    AppendUtf8(listed, character);
    listed += "」";
  }
  ui.Message(kTitle, "次の文字はファイルに書けないので「?」にして保存しました" + std::string(kLineBreak) + path +
                         kLineBreak + listed,
             MessageIcon::Warning);
  return true;
}

}  // namespace nimbara
