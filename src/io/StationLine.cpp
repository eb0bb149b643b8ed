#include "io/StationLine.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "core/Numbers.h"
#include "core/Text.h"
#include "io/WeatherWords.h"

namespace nimbara {
namespace {

constexpr std::int32_t kBulletinPressureBelow = 300;  // three digits below this lost their leading 1
constexpr int kBroadcastShortDigits = 2;            // the broadcast reads only the last two digits above 1000
constexpr std::int32_t kPressureThousand = 1000;

// A station's report is some 50 characters; reading stops after 100 of them,
// so that text without a temperature is never read to its end from every
// place where a report could start.
constexpr std::size_t kLongestReportBytes = 300;

constexpr std::string_view kForce = "風力";
constexpr std::string_view kWindOf = "の風";
constexpr std::string_view kPressureWord = "気圧";
constexpr std::string_view kTemperatureWord = "気温";
constexpr std::array<std::string_view, 5> kKeywords = {kForce, kWindOf, "天気", kPressureWord, kTemperatureWord};
constexpr std::array<std::string_view, 3> kNoWind = {"風向・風力不明", "風向風力不明", "風弱く"};
constexpr std::array<std::string_view, 2> kNoReport = {"入電がありません", "入電なし"};
constexpr std::array<std::string_view, 2> kTemperatureUnits = {"度", "℃"};
// Marks and particles between a report's words ("天気は くもり", "気圧: 1012"):
// none of them is a weather word.
constexpr std::array<std::string_view, 11> kPunctuation = {kComma, ",", ".", "・", "(", ")", ":", "は", "が", "で", "="};
// What a missing pressure is called ("気圧 欠測", "気圧 不明").
constexpr std::array<std::string_view, 2> kMissing = {"欠測", "不明"};
// Units of numbers that are no value of a report: a wave's height, a speed,
// a time, a count ("波高2m", "毎時30キロ", "24時間後").
constexpr std::array<std::string_view, 21> kOtherUnits = {
    "m",  "メートル", "キロ", "km", "ノット", "kt", "%", "パーセント", "時", "分", "秒",
    "号", "日", "月", "年", "ミリ", "cm", "センチ", "海里", "マイル", "キロメートル"};
// Words that start something else: a position, a pressure system, a front.
constexpr std::array<std::string_view, 7> kOtherThings = {kNorthLatitude, "東経", "低気圧", "高気圧", "台風", "前線",
                                                          "等圧線"};

template <typename Words>
std::string_view LongestAt(const ScanText& text, std::size_t at, const Words& words) {
  std::string_view longest;
  for (std::string_view word : words) {
    if (word.size() > longest.size() && text.At(at, word)) longest = word;
  }
  return longest;
}

// A "、" before the first digit: the report is a sentence.
bool IsSentence(const ScanText& text, std::size_t begin, std::size_t end) {
  const std::size_t comma = text.Find(kComma, begin, end);
  if (comma == std::string::npos) return false;
  const std::string& s = text.Text();
  return std::none_of(s.begin() + static_cast<std::ptrdiff_t>(begin), s.begin() + static_cast<std::ptrdiff_t>(comma),
                      IsAsciiDigit);
}

enum class Place { Free, Force, Pressure, Temperature };

// Reads one report token by token: each step takes what stands at the
// current place, or says it is none of its kind.
class ReportReader {
 public:
  ReportReader(const ScanText& text, std::size_t begin, std::size_t end, ReportForm form)
      : m_text(text),
        m_end(std::min({end, text.Size(), begin + kLongestReportBytes})),
        m_form(form),
        m_blanks(IsSentence(text, begin, m_end) ? Blanks::InsideNumbers : Blanks::EndNumbers),
        m_pos(begin) {
    m_reading.start = std::string::npos;
  }

  StationReading Read() {
    static const FirstBytes otherThings(kOtherThings);
    while (m_pos < m_end) {
      if (otherThings.MayStartAt(m_text, m_pos) && !LongestAt(m_text, m_pos, kOtherThings).empty()) break;
      Step step = Ending();
      if (step == Step::None) step = NoWind();
      if (step == Step::None) step = Word();
      if (step == Step::None) step = Direction();
      if (step == Step::None) step = Number();
      if (step == Step::None) step = UnitAlone();
      if (step == Step::Stop) break;
      if (step == Step::None) Other();
    }
    m_reading.end = m_pos;
    m_reading.start = std::min(m_reading.start, m_pos);
    return m_reading;
  }

 private:
  enum class Step { None, Next, Stop };

  void MarkStart() { m_reading.start = std::min(m_reading.start, m_pos); }

  // "。" ends a sentence's report, "入電がありません" a report that is none.
  Step Ending() {
    if (m_text.At(m_pos, kFullStop)) {
      m_pos += kFullStop.size();
      return Step::Stop;
    }
    const std::string_view word = LongestAt(m_text, m_pos, kNoReport);
    if (word.empty()) return Step::None;
    MarkStart();
    m_reading.noReport = true;
    m_reading.record = kNoStationReport;
    m_pos += word.size();
    return Step::Stop;
  }

  Step NoWind() {
    const std::string_view word = LongestAt(m_text, m_pos, kNoWind);
    if (word.empty()) return Step::None;
    MarkStart();
    m_reading.windWords = m_forceGiven = true;
    m_pos += word.size();
    return Step::Next;
  }

  // A weather word or a keyword, the longer of the two ("天気不明", "天気");
  // after 気圧, the word for a missing reading.
  Step Word() {
    if (const std::string_view missing = LongestAt(m_text, m_pos, kMissing);
        !missing.empty() && m_expected == Place::Pressure) {
      m_reading.pressureMissing = true;
      m_expected = Place::Free;
      m_pos += missing.size();
      return Step::Next;
    }
    const std::optional<WeatherWord> weather = MatchWeatherWord(m_text, m_pos);
    const std::string_view keyword = LongestAt(m_text, m_pos, kKeywords);
    if (weather && weather->end - m_pos > keyword.size() && !m_weatherGiven &&
        (m_expected == Place::Free || m_expected == Place::Force)) {
      MarkStart();
      m_reading.record.weather = WeatherCode(weather->name);
      m_reading.weatherWord = weather->word;
      m_weatherGiven = true;
      m_expected = Place::Free;
      m_pos = weather->end;
      return Step::Next;
    }
    if (keyword.empty()) return Step::None;
    MarkStart();
    if (keyword == kForce) m_expected = Place::Force;
    else if (keyword == kPressureWord) m_expected = Place::Pressure;
    else if (keyword == kTemperatureWord) m_expected = Place::Temperature;
    m_reading.windWords = m_reading.windWords || keyword == kWindOf;
    m_pos += keyword.size();
    return Step::Next;
  }

  // The last direction name before the force or the weather is the wind's:
  // an unknown station's name may hold one ("東京").
  Step Direction() {
    const std::string_view direction = LongestAt(m_text, m_pos, kWindDirectionList);
    if (direction.empty() || m_forceGiven || m_weatherGiven) return Step::None;
    m_reading.record.direction = DirectionCode(direction);
    m_reading.hasDirection = true;
    m_reading.start = m_pos;
    m_pos += direction.size();
    return Step::Next;
  }

  // A number goes where its unit or the word before it says, else to the next
  // free place; the temperature is the last value of a report.
  Step Number() {
    const std::optional<ScannedNumber> number = ScanNumber(m_text, m_pos, m_blanks);
    if (!number) return Step::None;
    if (!ScanPressureUnit(m_text, number->end)) {
      if (const std::string_view unit = LongestAt(m_text, number->end, kOtherUnits); !unit.empty()) {
        m_pos = number->end + unit.size();  // a number of something else: not read
        return Step::Next;
      }
    }
    MarkStart();
    m_pos = number->end;
    Place place = m_expected;
    const bool afterForceWord = m_expected == Place::Force;
    m_expected = Place::Free;
    if (const std::optional<std::size_t> unitEnd = ScanPressureUnit(m_text, m_pos)) {
      place = Place::Pressure;
      m_pos = *unitEnd;
    } else if (const std::string_view unit = LongestAt(m_text, m_pos, kTemperatureUnits); !unit.empty()) {
      place = Place::Temperature;
      m_pos += unit.size();
    }
    if (place == Place::Free) {
      if (!m_forceGiven && !m_weatherGiven) place = Place::Force;
      else place = m_reading.pressureGiven ? Place::Temperature : Place::Pressure;
    }
    StationRecord& record = m_reading.record;
    if (place == Place::Temperature) {
      record.temperature = RoundToInt(number->value);
      m_reading.temperatureGiven = true;
      return Step::Stop;
    }
    if (place == Place::Force && !m_forceGiven) {
      record.force = RoundToInt(number->value);
      m_reading.windWords = m_reading.windWords || afterForceWord;
    }
    if (place == Place::Pressure && !m_reading.pressureGiven)
      record.pressure = ReportedPressure(number->value, number->digits, m_form);
    m_forceGiven = m_forceGiven || place == Place::Force;
    m_reading.pressureGiven = m_reading.pressureGiven || place == Place::Pressure;
    return Step::Next;
  }

  // A pressure unit without digits: a missing reading.
  Step UnitAlone() {
    const std::optional<std::size_t> unitEnd = ScanPressureUnit(m_text, m_pos);
    if (!unitEnd) return Step::None;
    MarkStart();
    m_reading.pressureGiven = true;
    m_pos = *unitEnd;
    return Step::Next;
  }

  // A word that is none of the above where the weather stands is a weather
  // word not in the list ("煙霧" in a bulletin): the weather is unknown.
  void Other() {
    if (m_forceGiven && !m_weatherGiven && m_expected == Place::Free && LongestAt(m_text, m_pos, kPunctuation).empty())
      m_weatherGiven = true;
    m_pos = m_text.NextChar(m_pos);
  }

  const ScanText& m_text;
  const std::size_t m_end;
  const ReportForm m_form;
  const Blanks m_blanks;
  std::size_t m_pos;
  StationReading m_reading;
  Place m_expected = Place::Free;
  bool m_forceGiven = false;
  bool m_weatherGiven = false;
};

struct NamedSlot {
  std::string name;
  int slot;
};

// The names by their first character, so that a long text is searched for
// them in one pass.
class StationNames {
 public:
  StationNames() {
    const StationTable table = BuiltInStationTable();
    for (int slot = 0; slot < kBulletinStationCount; ++slot) Add(table.names[slot], slot);
    Add(std::string(kOzernayaName), kOzernayaSlot);
  }

  std::optional<StationNameMatch> Match(const ScanText& text, std::size_t at) const {
    if (!m_firstBytes[static_cast<unsigned char>(text.Text()[at])]) return std::nullopt;
    const auto it = m_byFirst.find(text.CharAt(at));
    if (it == m_byFirst.end()) return std::nullopt;
    const NamedSlot* best = nullptr;
    for (const NamedSlot& named : it->second) {
      if (text.At(at, named.name) && (best == nullptr || named.name.size() > best->name.size())) best = &named;
    }
    if (best == nullptr) return std::nullopt;
    return StationNameMatch{best->slot, best->name, at + best->name.size()};
  }

 private:
  void Add(std::string name, int slot) {
    m_firstBytes[static_cast<unsigned char>(name[0])] = true;
    std::size_t pos = 0;
    const char32_t first = DecodeUtf8(name, pos);
    m_byFirst[first].push_back({std::move(name), slot});
  }

  std::unordered_map<char32_t, std::vector<NamedSlot>> m_byFirst;
  std::array<bool, 256> m_firstBytes{};
};

// The places where a station's report can start, in order: its wind, or
// the lack of one. A direction name counts only when the wind's words follow
// it ("北西の風", "北西 風力 3") and "風力" only with its number, so that a
// long text full of other words is gone through in one pass.
class ReportStarts {
 public:
  ReportStarts(const ScanText& text, std::size_t end) : m_text(text) {
    for (std::string_view word : kNoWind) m_words.emplace_back(text, word, end);
    for (std::string_view word : kNoReport) m_words.emplace_back(text, word, end);
    for (std::string_view word : kWindDirectionList) m_words.emplace_back(text, word, end);
    m_words.emplace_back(text, kForce, end);
  }

  std::size_t NextFrom(std::size_t from) {
    while (true) {
      std::size_t first = std::string::npos;
      for (NextWord& word : m_words) first = std::min(first, word.From(from));
      if (first == std::string::npos) return std::string::npos;
      if (Plausible(first)) return first;
      from = m_text.NextChar(first);
    }
  }

 private:
  bool Plausible(std::size_t at) const {
    if (m_text.At(at, kForce)) return ScanNumber(m_text, at + kForce.size(), Blanks::EndNumbers).has_value();
    const std::string_view direction = LongestAt(m_text, at, kWindDirectionList);
    if (direction.empty()) return true;  // 風弱く, 風向・風力不明, 入電がありません
    return m_text.At(at + direction.size(), kWindOf) || m_text.At(at + direction.size(), kForce);
  }

  const ScanText& m_text;
  std::vector<NextWord> m_words;
};

constexpr std::array<std::string_view, 3> kClauseEnds = {kFullStop, kComma, ","};
constexpr std::array<std::string_view, 4> kTrailingParticles = {kComma, ",", "では", "は"};
constexpr std::size_t kLongestNoted = 12;  // characters of an unknown name kept for the report

// The name in what stands before a report: the last clause, without the
// particle that joins it to the report ("…進んでいます。ナホトカでは、").
std::string UnknownName(std::string_view text) {
  for (bool cut = true; cut;) {
    cut = false;
    for (std::string_view particle : kTrailingParticles) {
      if (text.ends_with(particle)) text.remove_suffix(particle.size()), cut = true;
    }
  }
  for (std::string_view mark : kClauseEnds) {
    const std::size_t at = text.rfind(mark);
    if (at != std::string_view::npos) text.remove_prefix(at + mark.size());
  }
  return std::string(text);
}

}  // namespace

std::int32_t ReportedPressure(double value, int digits, ReportForm form) {
  const std::int32_t pressure = RoundToInt(value);
  if (pressure < 0) return pressure;
  const bool lostItsThousand =
      form == ReportForm::Bulletin ? pressure < kBulletinPressureBelow : digits <= kBroadcastShortDigits;
  return lostItsThousand ? pressure + kPressureThousand : pressure;
}

StationReading ReadStationFields(const ScanText& text, std::size_t begin, std::size_t end, ReportForm form) {
  return ReportReader(text, begin, end, form).Read();
}

StationReading ReadStationFields(std::string_view fields, ReportForm form) {
  const ScanText text(fields);
  return ReadStationFields(text, 0, text.Size(), form);
}

std::optional<StationNameMatch> MatchStationName(const ScanText& text, std::size_t at) {
  static const StationNames names;
  if (at >= text.Size()) return std::nullopt;
  return names.Match(text, at);
}

bool MayHoldStationReports(const ScanText& text) {
  const auto occurs = [&](std::string_view word) { return text.Find(word, 0) != std::string::npos; };
  return occurs(kForce) || occurs(kWindOf) || std::any_of(kNoWind.begin(), kNoWind.end(), occurs) ||
         std::any_of(kNoReport.begin(), kNoReport.end(), occurs);
}

void NoteUnknownStations(const ScanText& text, std::size_t begin, std::size_t end, std::vector<std::string>& names,
                         UsedSpans* used) {
  static const std::string offBulletin = BuiltInStationTable().names[kBulletinStationCount];
  end = std::min(end, text.Size());
  ReportStarts starts(text, end);
  std::size_t nameStart = begin;
  for (std::size_t from = begin;;) {
    const std::size_t start = starts.NextFrom(from);
    if (start == std::string::npos) return;
    const StationReading reading = ReadStationFields(text, start, end, ReportForm::Broadcast);
    if (!reading.windWords && !reading.noReport) {
      from = text.NextChar(start);
      continue;
    }
    const std::size_t nameEnd = std::max(reading.start, nameStart);
    const std::string_view before = std::string_view(text.Text()).substr(nameStart, nameEnd - nameStart);
    std::string name = UnknownName(before);
    // A name has no digits: what stands before a ship's wind is its position.
    if (std::none_of(name.begin(), name.end(), IsAsciiDigit) && name != offBulletin) {
      if (used != nullptr) used->Add(nameStart + before.rfind(name), reading.end);
      names.push_back(CharSubstr(name, 0, kLongestNoted));
    }
    nameStart = from = reading.end;
  }
}

}  // namespace nimbara
