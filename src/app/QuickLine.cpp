#include "app/QuickLine.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "app/EntryFields.h"
#include "core/CodeTables.h"
#include "core/Numbers.h"
#include "io/ScanText.h"
#include "io/ShortForms.h"
#include "io/StationLine.h"

namespace nimbara {
namespace {

constexpr std::string_view kMinusLetter = "m";
constexpr std::array<std::string_view, 2> kNoReportWords = {"-", "入電なし"};
constexpr std::array<std::string_view, 2> kTemperatureUnits = {"度", "℃"};
constexpr std::size_t kShipPositionWords = 2;
constexpr int kStationNumbers = 3;  // force, pressure and temperature
constexpr int kShipNumbers = 2;     // force and pressure

// The words of a line made into the words ReadStationFields knows.
struct ReportWords {
  std::string text;  // between single blanks
  int numbers = 0;
  bool weather = false;
  std::string reason;  // not empty: a word was not understood
};

std::string Quoted(std::string_view word) { return "「" + std::string(word) + "」"; }

// Where one of the text's Words() starts in it.
std::size_t OffsetOf(const ScanText& text, std::string_view word) {
  return static_cast<std::size_t>(word.data() - text.Text().data());
}

// A number word ("18", "-3", "m3", "1012hpa", "7度") as the reader takes it.
std::optional<std::string> NumberWord(const ScanText& text, std::string_view word) {
  const std::size_t start = OffsetOf(text, word);
  const bool minusLetter = word.starts_with(kMinusLetter) && word.size() > kMinusLetter.size() &&
                           IsAsciiDigit(word[kMinusLetter.size()]);
  const std::size_t at = minusLetter ? start + kMinusLetter.size() : start;
  const std::optional<ScannedNumber> number = ScanNumber(text, at, Blanks::EndNumbers);
  if (!number) return std::nullopt;
  std::size_t end = number->end;
  if (const std::optional<std::size_t> unitEnd = ScanPressureUnit(text, end)) end = *unitEnd;
  for (std::string_view unit : kTemperatureUnits) {
    if (text.At(end, unit)) end += unit.size();
  }
  if (end != start + word.size()) return std::nullopt;
  return minusLetter ? "-" + std::string(word.substr(kMinusLetter.size())) : std::string(word);
}

std::string Listed(const std::vector<std::string_view>& words) {
  std::string list;
  for (std::string_view word : words) list += (list.empty() ? "" : "・") + std::string(word);
  return list;
}

// What a word that is neither a number nor a direction in its place is.
std::string WeatherOrReason(std::string_view word, bool weatherGiven, std::string& reason) {
  const std::vector<std::string_view> weathers = WeatherWordsOfShortForm(word);
  if (weathers.size() > 1) {
    reason = Quoted(word) + "は " + Listed(weathers) + " のどれか分かりません。もう少し長く書いてください";
  } else if (weathers.size() == 1 && weatherGiven) {
    reason = "天気が二つあります";
  } else if (weathers.empty() && DirectionOfShortForm(word)) {
    reason = "風向" + Quoted(word) + "は行の初めに一つだけ書きます";
  } else if (weathers.empty()) {
    reason = Quoted(word) + "は風向・天気・数のどれでもありません";
  } else {
    return std::string(weathers.front());
  }
  return {};
}

ReportWords RewriteWords(const ScanText& text, std::span<const std::string_view> words) {
  ReportWords out;
  bool direction = false;
  for (std::string_view word : words) {
    std::string piece;
    const std::optional<std::int32_t> code = DirectionOfShortForm(word);
    if (code && !direction && out.numbers == 0 && !out.weather) {
      piece = DirectionName(*code);
      direction = true;
    } else if (std::optional<std::string> number = NumberWord(text, word)) {
      piece = std::move(*number);
      ++out.numbers;
    } else {
      piece = WeatherOrReason(word, out.weather, out.reason);
      if (!out.reason.empty()) return out;
      out.weather = true;
    }
    if (!out.text.empty()) out.text += ' ';
    out.text += piece;
  }
  return out;
}

std::string OutOfRange(const char* name, std::int32_t value, EntryField field) {
  const EntryFieldRule& rule = RuleOf(field);
  return std::string(name) + " " + std::to_string(value) + " は " + std::to_string(rule.low) + " から " +
         std::to_string(rule.high) + " までです";
}

bool InRange(std::int32_t value, EntryField field) { return value >= RuleOf(field).low && value <= RuleOf(field).high; }

// The report part of a line read into a station record, or the reason why not.
StationRecord ReadReport(const ScanText& line, std::span<const std::string_view> words, int mostNumbers,
                         std::string& reason) {
  const ReportWords report = RewriteWords(line, words);
  reason = report.reason;
  if (!reason.empty()) return {};
  if (!report.weather) {
    reason = "天気がありません";
    return {};
  }
  const ScanText text(report.text);
  const StationReading reading = ReadStationFields(text, 0, text.Size(), ReportForm::Broadcast);
  if (reading.end < text.Size() || report.numbers > mostNumbers) {
    reason = "数が多すぎるか、順が違います（風向 風力 天気 気圧" + std::string(mostNumbers == kStationNumbers ? " 気温" : "") +
             " の順に書きます）";
    return {};
  }
  const StationRecord& record = reading.record;
  if (!InRange(record.force, EntryField::Force)) reason = OutOfRange("風力", record.force, EntryField::Force);
  else if (record.pressure != 0 && !InRange(record.pressure, EntryField::Pressure))
    reason = OutOfRange("気圧", record.pressure, EntryField::Pressure);
  else if (!InRange(record.temperature, EntryField::Temperature))
    reason = OutOfRange("気温", record.temperature, EntryField::Temperature);
  return record;
}

template <typename Record>
std::optional<QuickLine<Record>> WithoutReport(const std::vector<std::string_view>& words) {
  if (words.empty()) return QuickLine<Record>{LineKind::Empty, {}, {}};
  if (words.size() == 1 && std::find(kNoReportWords.begin(), kNoReportWords.end(), words[0]) != kNoReportWords.end())
    return QuickLine<Record>{LineKind::NoReport, {}, {}};
  return std::nullopt;
}

template <typename Record>
QuickLine<Record> Read(Record record, std::string reason) {
  if (!reason.empty()) return {LineKind::Unreadable, {}, std::move(reason)};
  return {LineKind::Report, record, {}};
}

}  // namespace

QuickLine<StationRecord> ReadStationQuickLine(std::string_view line) {
  const ScanText text(line);
  const std::vector<std::string_view> words = text.Words();
  if (auto none = WithoutReport<StationRecord>(words)) return *none;
  std::string reason;
  const StationRecord record = ReadReport(text, words, kStationNumbers, reason);
  return Read(record, std::move(reason));
}

QuickLine<ShipRecord> ReadShipQuickLine(std::string_view line) {
  const ScanText text(line);
  const std::vector<std::string_view> words = text.Words();
  if (auto none = WithoutReport<ShipRecord>(words)) return *none;
  std::array<std::int32_t, kShipPositionWords> position{};
  for (std::size_t i = 0; i < kShipPositionWords; ++i) {
    const std::optional<ScannedNumber> number =
        i < words.size() ? ScanNumber(text, OffsetOf(text, words[i]), Blanks::EndNumbers) : std::nullopt;
    if (!number || number->digits != static_cast<int>(words[i].size())) {
      return {LineKind::Unreadable, {}, "初めに緯度と経度を書きます（例: 32 141 北東 5 あめ 1006）"};
    }
    position[i] = RoundToInt(number->value);
  }
  const auto [latitude, longitude] = position;
  if (!InRange(latitude, EntryField::Latitude))
    return {LineKind::Unreadable, {}, OutOfRange("緯度", latitude, EntryField::Latitude)};
  if (!InRange(longitude, EntryField::Longitude))
    return {LineKind::Unreadable, {}, OutOfRange("経度", longitude, EntryField::Longitude)};
  std::string reason;
  const StationRecord report =
      ReadReport(text, std::span(words).subspan(kShipPositionWords), kShipNumbers, reason);
  return Read(ShipRecord{latitude, longitude, report.direction, report.force, report.weather, report.pressure},
              std::move(reason));
}

}  // namespace nimbara
