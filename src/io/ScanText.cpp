#include "io/ScanText.h"

#include <algorithm>
#include <array>

#include "core/Numbers.h"
#include "core/Text.h"

namespace nimbara {
namespace {

constexpr char32_t kFullWidthFirst = U'！';  // U+FF01, the full-width form of "!"
constexpr char32_t kFullWidthLast = U'～';   // U+FF5E, the full-width form of "~"
constexpr char32_t kFullWidthOffset = kFullWidthFirst - U'!';
constexpr char32_t kKatakanaLongVowel = U'ー';
constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr std::u32string_view kMinusWord = U"マイナス";
constexpr char32_t kMinusSign = U'−';  // U+2212; "－" is made half-width with the other signs

bool IsBlank(char32_t c) {
  return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n' || c == U'\v' || c == U'\f' || c == U'\u3000' ||
         c == U'\u00A0';
}

bool IsDigit(char32_t c) { return (c >= U'0' && c <= U'9') || (c >= U'０' && c <= U'９'); }

// Whether the first character after `pos` that is not a blank is a digit.
bool DigitFollows(std::string_view text, std::size_t pos) {
  while (pos < text.size()) {
    const char32_t c = DecodeUtf8(text, pos);
    if (!IsBlank(c)) return IsDigit(c);
  }
  return false;
}

// "マイナス" at `pos` (its first character already decoded; blanks may
// stand between its characters): the offset after it.
std::optional<std::size_t> MinusWordEnd(std::string_view text, std::size_t pos) {
  for (char32_t expected : kMinusWord.substr(1)) {
    char32_t c = U' ';
    while (IsBlank(c) && pos < text.size()) c = DecodeUtf8(text, pos);
    if (c != expected) return std::nullopt;
  }
  return pos;
}

char32_t Normalised(char32_t c) {
  if (c >= kFullWidthFirst && c <= kFullWidthLast) c -= kFullWidthOffset;
  if (c >= U'A' && c <= U'Z') c += U'a' - U'A';
  return c;
}

constexpr std::array<std::string_view, 4> kPressureUnits = {"hpa", "ヘクトパスカル", "mb", "ミリバール"};
constexpr std::string_view kDegree = "度";
constexpr std::string_view kMinute = "分";
constexpr std::string_view kEastLongitude = "東経";
constexpr std::array<std::string_view, 2> kPositionSeparators = {kComma, ","};
constexpr double kMinutesPerDegree = 60.0;

// "D度[M分]" at `at`, in degrees.
std::optional<std::pair<double, std::size_t>> ScanDegrees(const ScanText& text, std::size_t at) {
  const std::optional<ScannedNumber> degrees = ScanNumber(text, at, Blanks::InsideNumbers);
  if (!degrees || !text.At(degrees->end, kDegree)) return std::nullopt;
  double value = degrees->value;
  std::size_t end = degrees->end + kDegree.size();
  if (const std::optional<ScannedNumber> minutes = ScanNumber(text, end, Blanks::InsideNumbers);
      minutes && text.At(minutes->end, kMinute)) {
    value += minutes->value / kMinutesPerDegree;
    end = minutes->end + kMinute.size();
  }
  return std::make_pair(value, end);
}

}  // namespace

ScanText::ScanText(std::string_view utf8) : m_original(utf8) {
  m_text.reserve(utf8.size());
  m_origin.reserve(utf8.size());
  bool blank = false;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t start = pos;
    char32_t c = DecodeUtf8(utf8, pos);
    if (IsBlank(c)) {
      blank = true;
      continue;
    }
    if (blank) m_afterBlanks.push_back(m_text.size());
    blank = false;
    const char32_t original = c;
    if (c == kMinusWord[0]) {
      if (const std::optional<std::size_t> end = MinusWordEnd(utf8, pos); end && DigitFollows(utf8, *end)) {
        c = U'-';
        pos = *end;
      }
    } else if (c == kMinusSign || (c == kKatakanaLongVowel && DigitFollows(utf8, pos))) {
      c = U'-';
    }
    const char32_t normal = Normalised(c);
    // Most characters stand as they are: their bytes are copied.
    if (normal == original && original != kReplacementCharacter) m_text.append(utf8.substr(start, pos - start));
    else AppendUtf8(m_text, normal);
    m_origin.resize(m_text.size(), static_cast<std::uint32_t>(start));
  }
}

std::string ScanText::Original(std::size_t begin, std::size_t end) const {
  end = std::min(end, m_text.size());
  if (begin >= end) return {};
  const std::size_t from = m_origin[begin];
  const std::size_t to = end < m_text.size() ? m_origin[end] : m_original.size();
  // Line ends go (a word may be broken by one), a run of blanks inside keeps
  // its first, and blanks at either end go.
  std::string folded;
  std::string_view pendingBlank;
  for (std::size_t pos = from; pos < to;) {
    const std::size_t start = pos;
    const char32_t c = DecodeUtf8(m_original, pos);
    if (c == U'\r' || c == U'\n') continue;
    const std::string_view character = std::string_view(m_original).substr(start, pos - start);
    if (IsBlank(c)) {
      if (pendingBlank.empty() && !folded.empty()) pendingBlank = character;
      continue;
    }
    folded += pendingBlank;
    pendingBlank = {};
    folded += character;
  }
  return folded;
}

bool ScanText::BlankBefore(std::size_t at) const {
  return std::binary_search(m_afterBlanks.begin(), m_afterBlanks.end(), at);
}

std::vector<std::string_view> ScanText::Words() const {
  std::vector<std::string_view> words;
  std::size_t start = 0;
  for (std::size_t end : m_afterBlanks) {
    if (end > start) words.push_back(std::string_view(m_text).substr(start, end - start));
    start = end;
  }
  if (start < m_text.size()) words.push_back(std::string_view(m_text).substr(start));
  return words;
}

std::size_t ScanText::Find(std::string_view word, std::size_t from, std::size_t end) const {
  return std::string_view(m_text).substr(0, std::min(end, m_text.size())).find(word, from);
}

std::size_t NextWord::From(std::size_t from) {
  if (!m_searched || (m_next != std::string::npos && m_next < from)) m_next = m_text->Find(m_word, from, m_end);
  m_searched = true;
  return m_next;
}

char32_t ScanText::CharAt(std::size_t at) const {
  const std::size_t end = NextChar(at);
  const auto lead = static_cast<unsigned char>(m_text[at]);
  constexpr std::array<unsigned char, 4> kLeadBits = {0x7F, 0x1F, 0x0F, 0x07};
  char32_t c = lead & kLeadBits[end - at - 1];
  for (std::size_t i = at + 1; i < end; ++i) c = (c << 6) | (static_cast<unsigned char>(m_text[i]) & 0x3F);
  return c;
}

std::optional<ScannedNumber> ScanNumber(const ScanText& text, std::size_t at, Blanks blanks) {
  const std::string& s = text.Text();
  std::size_t pos = at;
  const bool negative = text.At(pos, "-");
  if (negative) ++pos;
  if (pos >= s.size() || !IsAsciiDigit(s[pos])) return std::nullopt;
  const auto continues = [&](std::size_t p) {
    return p < s.size() && IsAsciiDigit(s[p]) && (blanks == Blanks::InsideNumbers || !text.BlankBefore(p));
  };
  ScannedNumber number;
  do {
    number.value = number.value * 10 + (s[pos++] - '0');
    ++number.digits;
  } while (continues(pos));
  if (text.At(pos, ".") && continues(pos + 1) && (blanks == Blanks::InsideNumbers || !text.BlankBefore(pos))) {
    double scale = 1;
    for (++pos; continues(pos); ++pos) number.value += (s[pos] - '0') * (scale /= 10);
  }
  if (negative) number.value = -number.value;
  number.end = pos;
  return number;
}

std::optional<std::size_t> ScanPressureUnit(const ScanText& text, std::size_t at) {
  for (std::string_view unit : kPressureUnits) {
    if (text.At(at, unit)) return at + unit.size();
  }
  return std::nullopt;
}

std::optional<ScannedPosition> ScanPosition(const ScanText& text, std::size_t at) {
  if (!text.At(at, kNorthLatitude)) return std::nullopt;
  const auto latitude = ScanDegrees(text, at + kNorthLatitude.size());
  if (!latitude) return std::nullopt;
  std::size_t pos = latitude->second;
  for (std::string_view separator : kPositionSeparators) {
    if (text.At(pos, separator)) pos += separator.size();
  }
  if (!text.At(pos, kEastLongitude)) return std::nullopt;
  const auto longitude = ScanDegrees(text, pos + kEastLongitude.size());
  if (!longitude) return std::nullopt;
  return ScannedPosition{RoundToInt(latitude->first), RoundToInt(longitude->first), longitude->second};
}

}  // namespace nimbara

namespace nimbara {

std::optional<ScannedPosition> ScanLetterPosition(const ScanText& text, std::size_t at) {
  constexpr std::string_view kNorth = "n";  // letters are lower case in Text()
  constexpr std::string_view kEast = "e";
  constexpr std::array<std::string_view, 2> kSeparators = {",", "/"};
  const std::optional<ScannedNumber> latitude = ScanNumber(text, at, Blanks::EndNumbers);
  if (!latitude || !text.At(latitude->end, kNorth)) return std::nullopt;
  std::size_t pos = latitude->end + kNorth.size();
  for (std::string_view separator : kSeparators) {
    if (text.At(pos, separator)) pos += separator.size();
  }
  const std::optional<ScannedNumber> longitude = ScanNumber(text, pos, Blanks::EndNumbers);
  if (!longitude || !text.At(longitude->end, kEast)) return std::nullopt;
  return ScannedPosition{RoundToInt(latitude->value), RoundToInt(longitude->value), longitude->end + kEast.size()};
}

}  // namespace nimbara
