#pragma once
// The rules of the file chooser frmOpenSave that do not need its widgets:
// what its OK button does with the text of the name box.

#include <string>
#include <string_view>

#include "app/Ui.h"

namespace nimbara {

inline constexpr const char* kOverwriteQuestion = "ファイルを上書きしますか？";
inline constexpr const char* kMissingFileWarning = "ファイルが存在しません。";
inline constexpr const char* kPathNotFoundWarning = "パスが見つかりません。";
inline constexpr const char* kFolderNotEnteredWarning = "このフォルダは開けません。";

// A name with "*" or "?" in it is a pattern for the file list.
bool IsPattern(std::string_view name);

// The folder followed by "/" (unless it ends with one) and the name.
std::string JoinPath(const std::string& folder, const std::string& name);

enum class OkStep {
  ShowList,      // stay open: the list shows `folder` with `pattern`
  AskOverwrite,  // a save would replace a file: ask `question`, then accept `path` or cancel
  Accept,        // an existing file to read, or a save that replaces nothing: accept `path`
  Warn,          // stay open after the warning `warning`
};

struct OkDecision {
  OkStep step = OkStep::Warn;
  std::string folder;
  std::string pattern;
  std::string path;
  std::string warning;
  std::string question;  // names the file the save would replace
};

// What OK does. An empty name box takes the list's selected name. A pattern
// (with or without a folder before it) becomes the list's pattern; the name
// of a folder moves the list there; a relative name is relative to `folder`,
// the list's folder; `pattern` is the list's pattern now. For a save the
// overwrite question is asked whenever the file the save writes
// (the request's saved name of the path) exists.
OkDecision DecideOk(const ChooserRequest& request, const std::string& nameText, const std::string& selectedName,
                    const std::string& folder, const std::string& pattern);

}  // namespace nimbara
