#pragma once
// Writing text items of the program's own comma-separated files so that
// FieldReader with QuoteRule::DoubledQuotes gives them back unchanged.

#include <string>
#include <string_view>
#include <vector>

#include "io/Cp932.h"
#include "io/FileIo.h"

namespace nimbara {

// The text as it stands when the reader takes it back that way; otherwise in
// double quotes with each inner double quote doubled. Quoting is needed for a
// comma or a line break anywhere, and for a leading space, tab or quote.
std::string QuoteFieldIfNeeded(std::string_view text);

// Lines joined with CR LF, each line ended by one. Line breaks inside a
// (quoted) item stay as they are, so they read back unchanged.
std::string JoinCrLfLines(const std::vector<std::string>& lines);

// The lines as the bytes of a CP932 file with CR LF line ends.
EncodedText Cp932FileBytes(const std::vector<std::string>& lines);

// What a text file's save did: whether it was written, and the characters that
// had no CP932 form and were written as "?".
struct TextFileSave {
  FileStatus status;
  std::string replaced;
  explicit operator bool() const { return static_cast<bool>(status); }
};

// The lines written as Cp932FileBytes, replacing the file atomically.
TextFileSave WriteCp932Lines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace nimbara
