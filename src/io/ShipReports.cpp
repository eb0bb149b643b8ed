#include "io/ShipReports.h"

#include <algorithm>
#include <array>

#include "core/Text.h"
#include "io/StationLine.h"

namespace nimbara {
namespace {

// What may stand between a position and its report ("では、", "で", ":").
constexpr std::array<std::string_view, 7> kJoins = {"では", "で", "は", "の", kComma, ",", ":"};

struct FoundPosition {
  ScannedPosition at;
  std::size_t begin = 0;
};

std::optional<ScannedPosition> PositionAt(const ScanText& text, std::size_t at) {
  if (std::optional<ScannedPosition> p = ScanPosition(text, at)) return p;
  // Letters only after something that is not a digit: "138n" is not "38n".
  if (at > 0 && IsAsciiDigit(text.Text()[at - 1])) return std::nullopt;
  return ScanLetterPosition(text, at);
}

std::vector<FoundPosition> Positions(const ScanText& text, const UsedSpans& used) {
  std::vector<FoundPosition> found;
  const std::string& s = text.Text();
  for (std::size_t pos = 0; pos < s.size();) {
    const bool candidate = text.At(pos, kNorthLatitude) || IsAsciiDigit(s[pos]) || s[pos] == '-';
    std::optional<ScannedPosition> at = candidate && !used.Covers(pos) ? PositionAt(text, pos) : std::nullopt;
    if (!at) {
      pos = text.NextChar(pos);
      continue;
    }
    found.push_back({*at, pos});
    pos = at->end;
  }
  return found;
}

std::size_t SkipJoins(const ScanText& text, std::size_t pos) {
  for (bool moved = true; moved;) {
    moved = false;
    for (std::string_view join : kJoins) {
      if (text.At(pos, join)) pos += join.size(), moved = true;
    }
  }
  return pos;
}

constexpr std::array<std::string_view, 2> kPressureUnitsInLetters = {"hpa", "mb"};

constexpr char32_t kFirstKatakana = U'\u30A0';
constexpr char32_t kLastKatakana = U'\u30FF';

// Letters, digits and katakana ("JGQH", "BUOY21", "ブイ21"), lower case in Text().
bool IsCallSignChar(char32_t c) {
  return (c >= U'0' && c <= U'9') || (c >= U'a' && c <= U'z') || (c >= kFirstKatakana && c <= kLastKatakana);
}

std::size_t PreviousChar(const std::string& s, std::size_t at) {
  do --at;
  while (at > 0 && (static_cast<unsigned char>(s[at]) & 0xC0) == 0x80);
  return at;
}

// The call sign or buoy number written right before a position: back to a
// blank, or to the unit of the pressure before when the blanks were lost
// ("988hPaJDWX").
std::size_t CallSignStart(const ScanText& text, std::size_t positionStart, std::size_t floor) {
  const std::string& s = text.Text();
  std::size_t start = positionStart;
  while (start > floor && (start == positionStart || !text.BlankBefore(start))) {
    const std::size_t previous = PreviousChar(s, start);
    if (!IsCallSignChar(text.CharAt(previous))) break;
    start = previous;
  }
  const std::string_view run = std::string_view(s).substr(start, positionStart - start);
  for (std::string_view unit : kPressureUnitsInLetters) {
    if (const std::size_t at = run.rfind(unit); at != std::string_view::npos) start = std::max(start, start + at + unit.size());
  }
  return start;
}

}  // namespace

std::string ShipReport::Who() const {
  const std::string place = PositionText(record.latitude, record.longitude);
  return name.empty() ? place : name + "（" + place + "）";
}

std::vector<ShipReport> FindShipReports(const ScanText& text, const UsedSpans& used) {
  const std::vector<FoundPosition> positions = Positions(text, used);
  std::vector<ShipReport> reports;
  std::size_t floor = 0;  // where the last report ended
  for (std::size_t i = 0; i < positions.size(); ++i) {
    const FoundPosition& p = positions[i];
    const std::size_t next = i + 1 < positions.size() ? positions[i + 1].begin : text.Size();
    const std::size_t nextCallSign = i + 1 < positions.size() ? CallSignStart(text, next, p.at.end) : next;
    const std::size_t fieldsStart = SkipJoins(text, p.at.end);
    // A report ends where the next one, or anything read already, begins.
    const std::size_t bound = std::min(nextCallSign, used.NextStart(fieldsStart));
    const StationReading fields = ReadStationFields(text, fieldsStart, bound, ReportForm::Bulletin);
    const bool saysSomething = fields.windWords || fields.hasDirection || fields.pressureGiven ||
                               fields.pressureMissing || !fields.weatherWord.empty();
    if (!saysSomething || fields.start != fieldsStart) continue;
    ShipReport report;
    report.begin = CallSignStart(text, p.begin, floor);
    report.end = fields.end;
    if (report.begin < p.begin) report.name = text.Original(report.begin, p.begin);
    report.record.latitude = p.at.latitude;
    report.record.longitude = p.at.longitude;
    // A wind without a known direction is no wind.
    report.record.direction = fields.hasDirection ? fields.record.direction : 0;
    report.record.force = fields.hasDirection ? fields.record.force : 0;
    report.record.weather = fields.record.weather;
    report.record.pressure = fields.pressureGiven ? fields.record.pressure : 0;
    report.hasPressure = fields.pressureGiven && fields.record.pressure != 0;
    floor = report.end;
    reports.push_back(std::move(report));
  }
  return reports;
}

}  // namespace nimbara
