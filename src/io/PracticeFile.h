#pragma once
// The practice drawing file (NAME.practice.txt beside the data file NAME.txt):
// CP932 with CR LF, one line per drawn isobar, its value in hPa and then its
// points in map units, all comma-separated ("1012,120.5,80,124,83.5"), then
// one line per centre mark ("高,200,150"). Coordinates keep one decimal.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/PracticeDrawing.h"
#include "io/FieldWriter.h"
#include "io/FileIo.h"

namespace nimbara {

// The data file's name with the extension "practice.txt": "weather.txt" ->
// "weather.practice.txt".
std::string PracticeFileName(const std::string& dataPath);
// The data file a practice file belongs to: "weather.practice.txt" ->
// "weather.txt"; nothing for a name that is not a practice file's.
std::optional<std::string> DataFileOfPractice(const std::string& practicePath);

std::vector<std::string> PracticeFileLines(const PracticeDrawing& drawing);

// Lines that are neither a value with at least two points nor a mark with
// its place are skipped, as is a coordinate without its partner.
PracticeDrawing ReadPracticeText(std::string_view text);

struct PracticeFileRead {
  PracticeDrawing drawing;
  FileStatus status;  // WrongKind when no line could be read
};
PracticeFileRead ReadPracticeFile(const std::string& path);
TextFileSave WritePracticeFile(const std::string& path, const PracticeDrawing& drawing);

}  // namespace nimbara
