#pragma once
// Writing text items of the program's own comma-separated files so that
// FieldReader with QuoteRule::DoubledQuotes gives them back unchanged.

#include <string>
#include <string_view>
#include <vector>

namespace nimbara {

// The text as it stands when the reader takes it back that way; otherwise in
// double quotes with each inner double quote doubled. Quoting is needed for a
// comma or a line break anywhere, and for a leading space, tab or quote.
std::string QuoteFieldIfNeeded(std::string_view text);

// Lines joined with CR LF, each line ended by one. Line breaks inside a
// (quoted) item stay as they are, so they read back unchanged.
std::string JoinCrLfLines(const std::vector<std::string>& lines);

// The lines written as CP932 with CR LF line ends, replacing the file
// atomically (io/FileIo.h).
bool WriteCp932Lines(const std::string& path, const std::vector<std::string>& lines,
                     std::string* error = nullptr);

}  // namespace nimbara
