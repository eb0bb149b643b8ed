#include "io/SystemsShorthand.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "core/Numbers.h"
#include "core/SystemKind.h"
#include "core/Text.h"
#include "io/ScanText.h"
#include "io/StationLine.h"

namespace nimbara {
namespace {

constexpr std::array<std::string_view, 3> kNumberSeparators = {kComma, ",", "・"};
constexpr std::int32_t kHighestLatitude = 90;
constexpr std::int32_t kHighestLongitude = 180;
constexpr std::size_t kNotedLength = 20;  // characters of an unread line kept for the note

SystemShape ShapeOf(std::string_view kind) { return SystemKindNamed(kind)->shape; }

std::string LowerCaseLetters(std::string_view letters) {
  std::string lower(letters);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

struct ShortLine {
  std::string_view kind;
  std::vector<ScannedNumber> numbers;
  bool readable = false;  // only numbers follow the kind
};

// The kind word at the start of a line, when a number follows it: the
// longest form that fits ("高気圧 1030" is not "高", "TD 1004" is not "T").
std::optional<ShortLine> ShortLineOf(const ScanText& text) {
  std::size_t kindEnd = 0;
  ShortLine line;
  for (const SystemKind& row : kSystemKinds) {
    // The scanned text holds letters in lower case, whichever case was typed.
    const std::string letters = LowerCaseLetters(row.letters);
    for (std::string_view word : {row.shortForms[0], row.shortForms[1], std::string_view(letters), row.word}) {
      if (!word.empty() && word.size() > kindEnd && text.At(0, word)) {
        kindEnd = word.size();
        line.kind = row.word;
      }
    }
  }
  if (kindEnd == 0 || !ScanNumber(text, kindEnd, Blanks::EndNumbers)) return std::nullopt;
  std::size_t pos = kindEnd;
  while (const std::optional<ScannedNumber> number = ScanNumber(text, pos, Blanks::EndNumbers)) {
    line.numbers.push_back(*number);
    pos = number->end;
    for (std::string_view separator : kNumberSeparators) {
      if (text.At(pos, separator)) pos += separator.size();
    }
  }
  line.readable = pos == text.Size();
  return line;
}

struct Position {
  std::int32_t latitude;
  std::int32_t longitude;
  bool operator==(const Position&) const = default;
  // North and east, as every place of the map is.
  bool OnTheGlobe() const {
    return latitude >= 0 && latitude <= kHighestLatitude && longitude >= 0 && longitude <= kHighestLongitude;
  }
};

class Reader {
 public:
  SystemsManuscript Read(std::string_view text) {
    while (!text.empty()) {
      const std::size_t end = text.find('\n');
      const std::string_view line = text.substr(0, end);
      text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
      const ScanText scanned(line);
      if (const std::optional<ShortLine> shortLine = ShortLineOf(scanned)) {
        ReadSentences();
        ReadShortLine(*shortLine, line);
      } else {
        m_sentences.append(line).push_back('\n');
        m_lowCentre.reset();
      }
    }
    ReadSentences();
    return std::move(m_result);
  }

 private:
  void ReadShortLine(const ShortLine& line, std::string_view text) {
    const std::optional<Position> lowCentre = m_lowCentre;
    m_lowCentre.reset();
    const SystemShape shape = ShapeOf(line.kind);
    const std::size_t count = line.numbers.size();
    // Centres have two or three numbers, fronts pairs, isobars a pressure and pairs.
    const bool fits = shape == SystemShape::Centre   ? count == 2 || count == 3
                      : shape == SystemShape::Front ? count >= 2 && count % 2 == 0
                                              : count >= 3 && count % 2 == 1;
    const bool withPressure = count % 2 == 1;
    std::vector<Position> positions;
    for (std::size_t i = withPressure ? 1 : 0; i + 1 < count; i += 2)
      positions.push_back({RoundToInt(line.numbers[i].value), RoundToInt(line.numbers[i + 1].value)});
    if (!line.readable || !fits || !std::all_of(positions.begin(), positions.end(), [](const Position& p) { return p.OnTheGlobe(); })) {
      Note(TrimSpaces(text));
      return;
    }
    const std::int32_t pressure =
        withPressure ? ReportedPressure(line.numbers[0].value, line.numbers[0].digits, ReportForm::Broadcast) : 0;
    if (shape == SystemShape::Front && lowCentre && positions.front() != *lowCentre)
      positions.insert(positions.begin(), *lowCentre);
    for (const Position& at : positions)
      m_result.entries.push_back({std::string(line.kind), at.latitude, at.longitude, pressure});
    if (line.kind == kind::kLow) m_lowCentre = positions.front();
  }

  void ReadSentences() {
    const ScanText sentences(m_sentences);
    std::string lines = std::exchange(m_sentences, {});
    if (sentences.Size() == 0) return;
    SystemsManuscript read = ReadSystemsManuscript(sentences);
    if (read.entries.empty() && read.unreadClauses.empty()) {
      std::replace(lines.begin(), lines.end(), '\n', ' ');
      Note(TrimSpaces(lines));
    }
    for (SystemEntry& entry : read.entries) m_result.entries.push_back(std::move(entry));
    for (std::string& clause : read.unreadClauses) m_result.unreadClauses.push_back(std::move(clause));
  }

  void Note(std::string_view text) {
    std::string noted = CharSubstr(text, 0, kNotedLength);
    if (noted.size() < text.size()) noted += "…";
    m_result.unreadClauses.push_back(std::move(noted));
  }

  SystemsManuscript m_result;
  std::string m_sentences;             // the run of lines that are not short lines
  std::optional<Position> m_lowCentre;  // the centre of a low on the line before
};

std::string_view ShortFormOf(std::string_view kind) {
  const SystemKind* row = SystemKindNamed(kind);
  return row != nullptr ? row->shortForms[0] : std::string_view();
}

}  // namespace

SystemsManuscript ReadSystemsShorthand(std::string_view text) { return Reader().Read(text); }

std::string WriteSystemsShorthand(std::span<const SystemEntry> entries) {
  std::string text;
  const SystemEntry* low = nullptr;  // the low written on the line before
  for (std::size_t i = 0; i < entries.size();) {
    const SystemEntry& first = entries[i];
    const std::string_view shortForm = ShortFormOf(first.kind);
    if (shortForm.empty()) {
      ++i;
      continue;
    }
    const SystemShape shape = ShapeOf(first.kind);
    std::string line(shortForm);
    if (shape != SystemShape::Front && (shape == SystemShape::IsobarPoint || first.pressure != 0))
      line += " " + std::to_string(first.pressure);
    std::size_t end = i + 1;
    if (shape != SystemShape::Centre) {
      while (end < entries.size() && entries[end].kind == first.kind &&
             (shape == SystemShape::Front || entries[end].pressure == first.pressure))
        ++end;
    }
    // A front on the line after a low starts at its centre: one that does not
    // is set apart by an empty line.
    std::size_t from = i;
    if (shape == SystemShape::Front && low != nullptr) {
      if (first.latitude == low->latitude && first.longitude == low->longitude) ++from;
      else text += "\n";
    }
    if (from == end) line += " " + std::to_string(first.latitude) + " " + std::to_string(first.longitude);
    for (std::size_t k = from; k < end; ++k)
      line += " " + std::to_string(entries[k].latitude) + " " + std::to_string(entries[k].longitude);
    text += line + "\n";
    low = first.kind == kind::kLow ? &first : nullptr;
    i = end;
  }
  return text;
}

}  // namespace nimbara
