#include "io/PracticeFile.h"

#include <cmath>
#include <optional>

#include "core/Numbers.h"
#include "core/Text.h"
#include "io/FieldReader.h"
#include "io/FileNames.h"

namespace nimbara {
namespace {

const std::string kPracticeExtension = "practice.txt";
constexpr std::string_view kPracticeSuffix = ".practice.txt";
constexpr std::string_view kDataExtension = ".txt";
constexpr double kCoordinateDecimals = 10.0;  // one decimal

std::string CoordinateText(double value) {
  return ShortestDecimal(std::nearbyint(value * kCoordinateDecimals) / kCoordinateDecimals);
}

std::vector<std::string> ItemsOf(const std::string& line) {
  FieldReader reader(line);
  std::vector<std::string> items;
  while (std::optional<std::string> item = reader.ReadField()) items.push_back(TrimSpaces(*item));
  return items;
}

Path PointsFrom(const std::vector<std::string>& items, std::size_t first) {
  Path points;
  for (std::size_t i = first; i + 1 < items.size(); i += 2)
    points.push_back({ReadNumber(items[i]), ReadNumber(items[i + 1])});
  return points;
}

std::optional<CentreMarkKind> MarkKindOf(std::string_view text) {
  for (const CentreMarkKind kind : {CentreMarkKind::High, CentreMarkKind::Low})
    if (text == CentreMarkText(kind)) return kind;
  return std::nullopt;
}

bool EndsWith(const std::string& text, std::string_view end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::string PracticeFileName(const std::string& dataPath) { return WithExtension(dataPath, kPracticeExtension); }

std::optional<std::string> DataFileOfPractice(const std::string& practicePath) {
  if (!EndsWith(practicePath, kPracticeSuffix) || FileNameOf(practicePath).size() == kPracticeSuffix.size())
    return std::nullopt;
  return practicePath.substr(0, practicePath.size() - kPracticeSuffix.size()) + std::string(kDataExtension);
}

std::vector<std::string> PracticeFileLines(const PracticeDrawing& drawing) {
  std::vector<std::string> lines;
  for (const PracticeLine& line : drawing.lines) {
    std::string text = ShortestDecimal(line.value);
    for (const PointF& p : line.points) text += "," + CoordinateText(p.x) + "," + CoordinateText(p.y);
    lines.push_back(std::move(text));
  }
  for (const PracticeMark& mark : drawing.marks)
    lines.push_back(std::string(CentreMarkText(mark.kind)) + "," + CoordinateText(mark.at.x) + "," +
                    CoordinateText(mark.at.y));
  return lines;
}

PracticeDrawing ReadPracticeText(std::string_view text) {
  PracticeDrawing drawing;
  for (const std::string& line : SplitLines(text)) {
    const std::vector<std::string> items = ItemsOf(line);
    if (items.empty()) continue;
    if (const std::optional<CentreMarkKind> kind = MarkKindOf(items.front())) {
      const Path at = PointsFrom(items, 1);
      if (!at.empty()) drawing.marks.push_back({*kind, at.front()});
      continue;
    }
    const double value = ReadNumber(items.front());
    Path points = PointsFrom(items, 1);
    if (value > 0 && points.size() >= 2) drawing.lines.push_back({value, std::move(points)});
  }
  return drawing;
}

PracticeFileRead ReadPracticeFile(const std::string& path) {
  FileRead read = ReadCp932TextFile(path);
  if (!read.status) return {{}, read.status};
  PracticeDrawing drawing = ReadPracticeText(read.content);
  if (drawing.Empty() && !TrimSpaces(read.content).empty())
    return {{}, {FileFault::WrongKind, 0, path}};
  return {std::move(drawing), read.status};
}

TextFileSave WritePracticeFile(const std::string& path, const PracticeDrawing& drawing) {
  return WriteCp932Lines(path, PracticeFileLines(drawing));
}

}  // namespace nimbara
