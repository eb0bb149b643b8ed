#pragma once
// Extensions of the program's files. Dots count only in the file name, never
// in folder names: "/home/a.b/map" has no extension.

#include <optional>
#include <string>

namespace nimbara {

// The path up to and including the last "." of its file name, or the path and
// a "." when the file name has none ("weather.dat" -> "weather.").
std::string ExtensionBase(const std::string& path);
// ExtensionBase(path) + extension ("weather.dat", "txt" -> "weather.txt").
std::string WithExtension(const std::string& path, const std::string& extension);

// The isobar file name for a chosen name: everything from the first "." of the
// file name replaced by ".CNT", or ".CNT" added; nothing for a file name that
// begins with ".".
std::optional<std::string> IsobarFileName(const std::string& chosen);

// The folder part of a path ("/a/b/c.txt" -> "/a/b"), or nothing when the path
// has no "/" after its first character.
std::optional<std::string> FolderOf(const std::string& path);

}  // namespace nimbara
