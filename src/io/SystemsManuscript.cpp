#include "io/SystemsManuscript.h"

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>

#include "core/CodeTables.h"
#include "core/Numbers.h"
#include "core/SystemKind.h"
#include "core/Text.h"
#include "io/ScanText.h"

namespace nimbara {
namespace {

constexpr std::string_view kThereIsAt = "には";
constexpr std::string_view kThereIs = "があ";
constexpr std::string_view kThereIsEnd = "って";  // "があって"
constexpr std::string_view kThrough = "を通って";
constexpr std::string_view kOf = "の";
constexpr std::string_view kSubject = "が";
constexpr std::string_view kFromCentre = "中心から";
constexpr std::array<std::string_view, 2> kCentralPressure = {"中心気圧", "中心の気圧"};
constexpr std::array<std::string_view, 2> kFromThere = {"ここから", "そこから"};

constexpr std::size_t kNotedLength = 20;  // characters of an unread clause kept for the report
// A system's clause is some 30 characters ("、1002hPaの発達中の低気圧があって",
// "、中心気圧は965ヘクトパスカル"); none is looked for further than 100.
constexpr std::size_t kLongestClauseBytes = 300;


// The first characters of the words a clause can start with; every other
// character is passed over at once.
bool CanStartClause(char32_t c) {
  static const std::vector<char32_t> starts = [] {
    std::vector<char32_t> firsts;
    const auto add = [&](std::string_view word) {
      std::size_t pos = 0;
      firsts.push_back(DecodeUtf8(word, pos));
    };
    add(kNorthLatitude);
    add(kFromCentre);
    for (std::string_view word : kFromThere) add(word);
    for (const SystemKind* front : KindsOfShape(SystemShape::Front)) add(front->word);
    return firsts;
  }();
  return (c >= U'0' && c <= U'9') || c == U'-' || std::find(starts.begin(), starts.end(), c) != starts.end();
}

class Reader {
 public:
  explicit Reader(const ScanText& text) : m_text(text) {}

  SystemsManuscript Read() {
    // Every clause read holds a position.
    if (m_text.Find(kNorthLatitude, 0) == std::string::npos) return {};
    for (std::size_t pos = 0; pos < m_text.Size();) {
      const std::size_t next = m_text.NextChar(pos);
      const char32_t c = m_text.CharAt(pos);
      if (!CanStartClause(c) && !m_text.At(pos, kFullStop)) {
        pos = next;
        continue;
      }
      if (m_text.At(pos, kFullStop)) {
        m_sentenceHasCentre = false;
        pos += kFullStop.size();
      } else if (!SystemClause(pos) && !FrontClause(pos) && !IsobarClause(pos)) {
        const std::optional<ScannedNumber> number = ScanNumber(m_text, pos, Blanks::InsideNumbers);
        pos = number ? number->end : m_text.NextChar(pos);
      }
    }
    return std::move(m_result);
  }

 private:
  // "<position>には、…<kind>があって".
  bool SystemClause(std::size_t& pos) {
    const std::optional<ScannedPosition> centre = ScanPosition(m_text, pos);
    if (!centre || !m_text.At(centre->end, kThereIsAt)) return false;
    const std::size_t body = centre->end + kThereIsAt.size();
    const std::size_t sentenceEnd = std::min(m_fullStops.From(body), m_text.Size());
    const std::size_t clauseEnd = std::min(sentenceEnd, body + kLongestClauseBytes);
    const std::size_t thereIs = m_text.Find(kThereIs, body, clauseEnd);
    if (thereIs == std::string::npos) {
      if (clauseEnd < m_text.Size()) return false;
      Note(pos, sentenceEnd);  // the text ends inside the clause
      pos = sentenceEnd;
      return true;
    }
    static const std::vector<const SystemKind*> centres = KindsOfShape(SystemShape::Centre);
    const SystemKind* kind = nullptr;
    for (const SystemKind* k : centres) {
      if (kind == nullptr && m_text.Find(k->word, body, thereIs) != std::string::npos) kind = k;
    }
    if (kind == nullptr) return false;
    std::size_t clauseEndUsed = thereIs + kThereIs.size();
    if (m_text.At(clauseEndUsed, kThereIsEnd)) clauseEndUsed += kThereIsEnd.size();
    auto [pressure, pressureEnd] = FirstPressure(body, thereIs);
    if (pressure == 0) {
      std::tie(pressure, pressureEnd) = FirstPressure(thereIs, std::min(sentenceEnd, thereIs + kLongestClauseBytes));
      clauseEndUsed = std::max(clauseEndUsed, pressureEnd);
    }
    // A typhoon's pressure may come in the next sentence: "中心気圧は965ヘクトパスカル".
    const std::size_t nextSentence = sentenceEnd + kFullStop.size();
    if (pressure == 0 && std::any_of(kCentralPressure.begin(), kCentralPressure.end(),
                                     [&](std::string_view word) { return m_text.At(nextSentence, word); })) {
      std::tie(pressure, pressureEnd) =
          FirstPressure(nextSentence, std::min(m_text.Size(), nextSentence + kLongestClauseBytes));
      if (pressure != 0) m_result.alsoRead.emplace_back(nextSentence, pressureEnd);
    }
    BeginItem(pos);
    Append(kind->word, *centre, pressure);
    EndItem(clauseEndUsed);
    m_centre = centre;
    m_sentenceHasCentre = true;
    pos = thereIs + kThereIs.size();
    return true;
  }

  // "[中心から|ここから|そこから]<front>が<positions>…".
  bool FrontClause(std::size_t& pos) {
    std::size_t p = pos;
    std::optional<ScannedPosition> first;
    bool fromCentre = false;
    if (m_text.At(p, kFromCentre)) {
      fromCentre = true;
      p += kFromCentre.size();
    }
    bool fromThere = false;
    for (std::string_view there : kFromThere) {
      if (m_text.At(p, there)) {
        fromThere = true;
        p += there.size();
      }
    }
    std::string_view front;
    for (const SystemKind* row : KindsOfShape(SystemShape::Front)) {
      const std::string_view kind = row->word;
      if (m_text.At(p, kind)) front = kind;
    }
    if (front.empty() || !m_text.At(p + front.size(), kSubject)) return false;
    p += front.size() + kSubject.size();
    if (fromCentre) m_sentenceHasCentre = true;
    if (fromThere) first = m_frontEnd;
    else if (m_sentenceHasCentre) first = m_centre;
    const std::optional<std::vector<ScannedPosition>> run = PositionRun(p);
    if (!run) {
      Note(pos, p);
      pos = p;
      return true;
    }
    BeginItem(pos);
    if (first) Append(front, *first, 0);
    for (const ScannedPosition& vertex : *run) Append(front, vertex, 0);
    EndItem(p);
    m_frontEnd = run->back();
    pos = p;
    return true;
  }

  // "PhPaの等圧線が<positions>…".
  bool IsobarClause(std::size_t& pos) {
    const std::optional<ScannedNumber> number = ScanNumber(m_text, pos, Blanks::InsideNumbers);
    if (!number) return false;
    const std::optional<std::size_t> unitEnd = ScanPressureUnit(m_text, number->end);
    if (!unitEnd) return false;
    std::size_t p = *unitEnd;
    if (m_text.At(p, kOf)) p += kOf.size();
    if (!m_text.At(p, kind::kIsobarPoint) || !m_text.At(p + kind::kIsobarPoint.size(), kSubject)) return false;
    p += kind::kIsobarPoint.size() + kSubject.size();
    const std::optional<std::vector<ScannedPosition>> run = PositionRun(p);
    if (!run) {
      Note(pos, p);
    } else {
      BeginItem(pos);
      for (const ScannedPosition& point : *run) Append(kind::kIsobarPoint, point, RoundToInt(number->value));
      EndItem(p);
    }
    pos = p;
    return true;
  }

  // Positions joined by "、" or "を通って"; nothing when a position is cut off
  // or the text ends inside the run, and when there is none.
  std::optional<std::vector<ScannedPosition>> PositionRun(std::size_t& p) const {
    std::vector<ScannedPosition> run;
    while (true) {
      const std::optional<ScannedPosition> position = ScanPosition(m_text, p);
      if (!position) return std::nullopt;
      run.push_back(*position);
      p = position->end;
      std::size_t next = p;
      if (m_text.At(next, kThrough)) next += kThrough.size();
      if (m_text.At(next, kComma)) next += kComma.size();
      if (next >= m_text.Size()) return std::nullopt;
      if (!m_text.At(next, kNorthLatitude)) return run;
      p = next;
    }
  }

  // The first "NhPa" between `from` and `to` and where it ends, or 0.
  std::pair<std::int32_t, std::size_t> FirstPressure(std::size_t from, std::size_t to) const {
    for (std::size_t p = from; p < to;) {
      const std::optional<ScannedNumber> number = ScanNumber(m_text, p, Blanks::InsideNumbers);
      if (!number) {
        p = m_text.NextChar(p);
        continue;
      }
      if (const std::optional<std::size_t> unitEnd = ScanPressureUnit(m_text, number->end); unitEnd && number->end <= to)
        return {RoundToInt(number->value), *unitEnd};
      p = number->end;
    }
    return {0, from};
  }

  void BeginItem(std::size_t begin) {
    m_result.items.emplace_back();
    m_result.items.back().begin = begin;
  }
  void EndItem(std::size_t end) { m_result.items.back().end = end; }

  void Append(std::string_view kind, const ScannedPosition& at, std::int32_t pressure) {
    SystemEntry entry{std::string(kind), at.latitude, at.longitude, pressure};
    m_result.items.back().entries.push_back(entry);
    m_result.entries.push_back(std::move(entry));
  }

  // A clause cut off or without positions: noted, to the end of its sentence.
  void Note(std::size_t from, std::size_t to) {
    to = std::max(to, std::min(m_text.Find(kFullStop, to), m_text.Size()));
    const std::string_view rest = std::string_view(m_text.Text()).substr(from);
    std::string clause = CharSubstr(rest, 0, kNotedLength);
    if (clause.size() < rest.size()) clause += "…";
    m_result.unreadClauses.push_back(std::move(clause));
    m_result.noted.emplace_back(from, to);
  }

  const ScanText& m_text;
  NextWord m_fullStops{m_text, kFullStop};
  SystemsManuscript m_result;
  std::optional<ScannedPosition> m_centre;    // the last system's
  std::optional<ScannedPosition> m_frontEnd;  // where the last front ended
  bool m_sentenceHasCentre = false;
};

}  // namespace

SystemsManuscript ReadSystemsManuscript(const ScanText& text) { return Reader(text).Read(); }

}  // namespace nimbara
