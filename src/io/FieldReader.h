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

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nimbara {

class FieldReader {
 public:
  explicit FieldReader(std::string text) : m_text(std::move(text)) {}

  bool AtEnd() const { return m_pos >= m_text.size(); }
  // The next item, or nothing at the end of the text.
  std::optional<std::string> ReadField();
  // The rest of the current line (commas and spaces included), or nothing at
  // the end of the text.
  std::optional<std::string> ReadLine();

 private:
  bool AtLineEnd() const;
  void SkipLineEnd();

  std::string m_text;
  std::size_t m_pos = 0;
};

// The text split into whole lines (CR LF, LF or CR); a final line end does
// not start another line.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace nimbara
