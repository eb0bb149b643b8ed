#pragma once
// Test files: written in the program's encoding as they stand (line ends
// included), read back whole, and PDF documents counted by page.

#include <string>
#include <string_view>

#include "io/Cp932.h"
#include "io/FileIo.h"

namespace nimbara::testing {

inline bool WriteCp932Text(const std::string& path, std::string_view utf8) {
  return static_cast<bool>(WriteFileAtomically(path, EncodeCp932(utf8).bytes));
}

// The bytes of a file; empty when it cannot be read.
inline std::string ReadAll(const std::string& path) { return ReadWholeFile(path).value_or(""); }

// The objects of type /Page (not /Pages) of a PDF document.
inline int PdfPageCount(std::string_view pdf) {
  constexpr std::string_view kType = "/Type";
  constexpr std::string_view kPage = "/Page";
  int pages = 0;
  for (std::size_t at = pdf.find(kType); at != std::string_view::npos; at = pdf.find(kType, at + 1)) {
    const std::size_t value = pdf.find_first_not_of(" \t\r\n\f\v", at + kType.size());
    if (value == std::string_view::npos || pdf.substr(value, kPage.size()) != kPage) continue;
    const std::size_t after = value + kPage.size();
    if (after < pdf.size() && pdf[after] != 's') ++pages;
  }
  return pages;
}

}  // namespace nimbara::testing
