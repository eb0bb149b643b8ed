#pragma once
// Sequential reading of comma-separated text, the way every file of the
// program is read:
// - an item ends at a half-width comma or at a line end (CR LF, LF or CR);
// - leading half-width spaces and tabs of an item are skipped;
// - an item that begins with a double quote runs to the next double quote,
//   and the rest up to the comma or line end is skipped;
// - an empty line yields one empty item;
// - reading goes on across line ends, so the number of items read decides
//   what is read next.
// Items are returned as they stand (trailing spaces kept).
//
// With QuoteRule::DoubledQuotes, two double quotes inside a quoted item stand
// for one, so that the program's own files can hold any text (see
// io/FieldWriter.h); text from elsewhere is read with the plain rule.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nimbara {

enum class QuoteRule { Plain, DoubledQuotes };

class FieldReader {
 public:
  explicit FieldReader(std::string text, QuoteRule quoteRule = QuoteRule::Plain)
      : m_text(std::move(text)), m_quoteRule(quoteRule) {}

  bool AtEnd() const { return m_pos >= m_text.size(); }
  // The next item, or nothing at the end of the text.
  std::optional<std::string> ReadField();
  // The rest of the current line (commas and spaces included), or nothing at
  // the end of the text.
  std::optional<std::string> ReadLine();

 private:
  bool AtLineEnd() const;
  void SkipLineEnd();

  std::string ReadQuotedItem();

  std::string m_text;
  QuoteRule m_quoteRule;
  std::size_t m_pos = 0;
};

// The text split into whole lines (CR LF, LF or CR); a final line end does
// not start another line.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace nimbara
