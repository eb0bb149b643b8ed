#include "io/ObservationTime.h"

#include "core/Numbers.h"

namespace nimbara {
namespace {

constexpr std::string_view kYear = "年";
constexpr std::string_view kMonth = "月";
constexpr std::string_view kDay = "日";
constexpr std::string_view kHour = "時";
constexpr std::string_view kNoon = "正午";
constexpr int kNoonHour = 12;

// A number followed by its unit at `at`: the number and the offset after the unit.
std::optional<std::pair<int, std::size_t>> Part(const ScanText& text, std::size_t at, std::string_view unit) {
  const std::optional<ScannedNumber> number = ScanNumber(text, at, Blanks::InsideNumbers);
  if (!number || number->value < 0 || !text.At(number->end, unit)) return std::nullopt;
  return std::make_pair(RoundToInt(number->value), number->end + unit.size());
}

// A time whose day stands at `at`, with its month and year before it when
// they are there.
std::optional<ObservationTime> TimeFromDay(const ScanText& text, std::size_t at) {
  const auto day = Part(text, at, kDay);
  if (!day) return std::nullopt;
  ObservationTime time;
  time.day = day->first;
  time.begin = at;
  if (const auto hour = Part(text, day->second, kHour)) {
    time.hour = hour->first;
    time.end = hour->second;
  } else if (text.At(day->second, kNoon)) {
    time.hour = kNoonHour;
    time.end = day->second + kNoon.size();
  } else {
    return std::nullopt;
  }
  return time;
}

bool Differ(int a, int b) { return a != 0 && b != 0 && a != b; }

}  // namespace

std::vector<ObservationTime> FindObservationTimes(const ScanText& text) {
  std::vector<ObservationTime> times;
  const std::string& s = text.Text();
  for (std::size_t pos = 0; pos < s.size();) {
    if (!IsAsciiDigit(s[pos]) || (pos > 0 && IsAsciiDigit(s[pos - 1]))) {
      ++pos;
      continue;
    }
    std::size_t at = pos;
    ObservationTime found;
    if (const auto year = Part(text, at, kYear)) found.year = year->first, at = year->second;
    if (const auto month = Part(text, at, kMonth)) found.month = month->first, at = month->second;
    if (std::optional<ObservationTime> time = TimeFromDay(text, at)) {
      time->year = found.year;
      time->month = found.month;
      time->begin = pos;
      times.push_back(*time);
      pos = time->end;
      continue;
    }
    ++pos;
  }
  return times;
}

std::optional<ObservationTime> FirstObservationTime(std::string_view utf8) {
  const ScanText text(utf8);
  const std::vector<ObservationTime> times = FindObservationTimes(text);
  if (times.empty()) return std::nullopt;
  return times.front();
}

bool IsOtherObservation(const ObservationTime& a, const ObservationTime& b) {
  return Differ(a.year, b.year) || Differ(a.month, b.month) || Differ(a.day, b.day) || a.hour != b.hour;
}

}  // namespace nimbara
