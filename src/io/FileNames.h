#pragma once
// File names and extensions of the program's files. Dots count only in the
// file name, never in folder names: "/home/a.b/map" has no extension.

#include <optional>
#include <string>
#include <vector>

namespace nimbara {

// The file-name part of a path: what follows its last "/" (or "\\").
std::string FileNameOf(const std::string& path);

// The path with `extension` in place of its own, or with "." and `extension`
// added when the file name has none ("weather.dat", "txt" -> "weather.txt").
std::string WithExtension(const std::string& path, const std::string& extension);
// The text after the last "." of the file name in lower case ("map.PNG" ->
// "png"); empty when the file name has no ".".
std::string LowerCaseExtension(const std::string& path);

// The data file a chosen name stands for: its extension made "txt".
std::string DataFileName(const std::string& chosen);
// The settings file a chosen name stands for: its extension made "ini".
std::string SettingsFileName(const std::string& chosen);

// The name a satellite picture is saved under: the chosen name with the
// extension "BMP" ("sat.gif" -> "sat.BMP").
std::string PictureSaveName(const std::string& chosen);

// The isobar file name for a chosen name: everything from the first "." of the
// file name replaced by the isobar extension, or the extension added; nothing
// for a file name that begins with ".". The extension is the one of an
// existing file, ".cnt" or else ".CNT", and ".cnt" for a new one, so that one
// name never stands for two files.
std::optional<std::string> IsobarFileName(const std::string& chosen);

// The isobar file beside a full data file: its name with the isobar
// extension as IsobarFileName picks it.
std::string CompanionIsobarName(const std::string& dataPath);
// The pictures beside a full data file in the order they are looked for (each
// one found replaces the one before): base + "gif", "bmp", "jpg". A picture is
// saved under the second.
std::vector<std::string> CompanionPictureNames(const std::string& dataPath);
std::string CompanionPictureName(const std::string& dataPath);

// The folder part of a path ("/a/b/c.txt" -> "/a/b"), or nothing when the path
// has no "/" after its first character.
std::optional<std::string> FolderOf(const std::string& path);

}  // namespace nimbara
