#pragma once
// The file name a satellite picture is saved under.

#include <string>

namespace nimbara {

// Everything from the last "." of the file name on replaced by ".BMP", or
// ".BMP" appended when the file name has no "." ("sat.gif" -> "sat.BMP",
// "/a.b/sat" -> "/a.b/sat.BMP").
std::string PictureSaveName(const std::string& chosen);

}  // namespace nimbara
