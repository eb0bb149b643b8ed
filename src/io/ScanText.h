#pragma once
// The tokenizer of the readers that find values by their words instead of by
// columns: the station bulletin read by station names, the ship reports, the
// broadcast manuscripts and the dictated line.
//
// A ScanText is the text with every blank (half- and full-width spaces, tabs,
// line ends) taken out, so that a word, a name or a number that a line end
// split still matches ("北 緯25度"); it remembers where blanks stood, since in
// a listing a blank is what separates two numbers ("18 7度"). Full-width
// letters, digits and signs become half-width and letters lower case
// ("ｈＰａ" is "hpa"); every written form of minus before a number ("-", "－",
// "−", "ー", "マイナス") becomes "-". Offsets are bytes of the UTF-8 Text().

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nimbara {

class ScanText {
 public:
  explicit ScanText(std::string_view utf8);

  const std::string& Text() const { return m_text; }
  std::size_t Size() const { return m_text.size(); }
  // Whether blanks stood before the character at `at`.
  bool BlankBefore(std::size_t at) const;
  // The words between the blanks, in order ("南南西 2" gives "南南西", "2").
  std::vector<std::string_view> Words() const;
  bool At(std::size_t at, std::string_view word) const {
    // The first byte alone turns most words away without a call.
    if (word.empty()) return at <= m_text.size();
    return at < m_text.size() && m_text[at] == word[0] && m_text.compare(at, word.size(), word) == 0;
  }
  // Offset of the first `word` at or after `from` and ending by `end`, or npos.
  std::size_t Find(std::string_view word, std::size_t from, std::size_t end = std::string::npos) const;
  // Offset of the character after the one at `at` (Text() is well-formed
  // UTF-8: a malformed part of the paste became U+FFFD).
  std::size_t NextChar(std::size_t at) const {
    const auto lead = static_cast<unsigned char>(m_text[at]);
    const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return std::min(at + length, m_text.size());
  }
  // The character at `at`.
  char32_t CharAt(std::size_t at) const;
  // The pasted text from `begin` to `end` (offsets of Text()) as it stood,
  // its blanks folded into one half-width space: what a report quotes.
  std::string Original(std::size_t begin, std::size_t end) const;
  // Where the character at `at` began in the pasted text.
  std::size_t OriginalOffset(std::size_t at) const { return at < m_origin.size() ? m_origin[at] : m_original.size(); }

 private:
  std::string m_original;
  std::string m_text;
  std::vector<std::size_t> m_afterBlanks;  // ascending offsets of the characters blanks stood before
  std::vector<std::uint32_t> m_origin;     // for each byte of m_text, where its character began in m_original
};

// The next place of a word, before `end`, at or after a place that only moves
// forward: a search starts only when the last place found has been passed, so
// going through a long text costs one pass per word.
class NextWord {
 public:
  NextWord(const ScanText& text, std::string_view word, std::size_t end = std::string::npos)
      : m_text(&text), m_word(word), m_end(end) {}
  // npos when the word does not occur at or after `from`.
  std::size_t From(std::size_t from);

 private:
  const ScanText* m_text;
  std::string_view m_word;
  std::size_t m_end;
  std::size_t m_next = 0;
  bool m_searched = false;
};

// The first bytes of a set of words: a place whose byte is none of them
// starts none of the words, which most places of a long text show at once.
class FirstBytes {
 public:
  template <typename Words>
  explicit FirstBytes(const Words& words) {
    for (std::string_view word : words) {
      if (!word.empty()) m_bytes[static_cast<unsigned char>(word[0])] = true;
    }
  }
  bool MayStartAt(const ScanText& text, std::size_t at) const {
    return at < text.Size() && m_bytes[static_cast<unsigned char>(text.Text()[at])];
  }

 private:
  std::array<bool, 256> m_bytes{};
};

// How blanks between digits are taken: in a listing they end a number, in a
// sentence (where every number is followed by its unit) they are a line end
// that fell inside it.
enum class Blanks { EndNumbers, InsideNumbers };

struct ScannedNumber {
  double value = 0;
  int digits = 0;        // digits before the decimal point
  std::size_t end = 0;   // offset after the number
};

// A number at `at`: an optional "-", digits, and an optional decimal part.
std::optional<ScannedNumber> ScanNumber(const ScanText& text, std::size_t at, Blanks blanks);

// The offset after a pressure unit ("hPa", "ヘクトパスカル", "mb", "ミリバール")
// at `at`, or nothing.
std::optional<std::size_t> ScanPressureUnit(const ScanText& text, std::size_t at);

// A position "北緯D度[M分]、東経D度[M分]" at `at` (the "、" may also be "," or
// absent): minutes are turned into degrees and the result rounded to whole
// degrees, halves to the even neighbour.
struct ScannedPosition {
  std::int32_t latitude = 0;
  std::int32_t longitude = 0;
  std::size_t end = 0;
};
std::optional<ScannedPosition> ScanPosition(const ScanText& text, std::size_t at);
// A position in letters at `at`: "38N,145E", "38N 145E", "38.5N/145.2E".
std::optional<ScannedPosition> ScanLetterPosition(const ScanText& text, std::size_t at);

// The words and marks every reader of the ScanText looks for.
inline constexpr std::string_view kNorthLatitude = "北緯";
inline constexpr std::string_view kFullStop = "。";
inline constexpr std::string_view kComma = "、";

inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace nimbara
