#include "io/FieldWriter.h"

namespace nimbara {
namespace {

bool NeedsQuotes(std::string_view text) {
  if (text.empty()) return false;
  const char first = text.front();
  return first == ' ' || first == '\t' || first == '"' ||
         text.find_first_of(",\r\n") != std::string_view::npos;
}

}  // namespace

std::string QuoteFieldIfNeeded(std::string_view text) {
  if (!NeedsQuotes(text)) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

std::string JoinCrLfLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

EncodedText Cp932FileBytes(const std::vector<std::string>& lines) { return EncodeCp932(JoinCrLfLines(lines)); }

TextFileSave WriteCp932Lines(const std::string& path, const std::vector<std::string>& lines) {
  EncodedText encoded = Cp932FileBytes(lines);
  return {WriteFileAtomically(path, encoded.bytes), std::move(encoded.replaced)};
}

}  // namespace nimbara
