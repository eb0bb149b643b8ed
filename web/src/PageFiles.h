#pragma once
// The names of the files the page opens and downloads, by the rules of the
// desktop's file choosers (app/ChooserRequests.h, io/FileNames.h): the page's
// script repeats none of them.

#include <optional>
#include <string>
#include <vector>

namespace nimbara {

inline constexpr const char* kDefaultSaveName = "天気図";
// The extension of the archive a save of several files downloads as.
inline constexpr const char* kArchiveExtension = "zip";

// What 保存する名前 shows: the current file's name without its extension, or
// the default name before a file was opened or saved.
std::string SuggestedSaveName(const std::string& currentFilePath);

// The file name a typed 保存する名前 stands for: what follows its last folder
// separator, trimmed of blanks; the default name for a blank one.
std::string TypedSaveName(const std::string& typed);

// The name the map's PNG downloads as: the desktop's 天気図の保存 rule, with
// ".png" added to the name of another format, which the page does not write.
std::string PngDownloadName(const std::string& typed);

// The data file (or the archive of one) among the names of the chosen files.
std::optional<std::string> ChosenDataFile(const std::vector<std::string>& names);
bool IsArchiveName(const std::string& name);

// The chooser's list of file types, as an HTML file input's `accept`: the
// data file's with the archive's and the pictures', or the pictures' alone.
enum class OpenKind { DataFile, Picture };
std::string AcceptedTypes(OpenKind kind);

}  // namespace nimbara
