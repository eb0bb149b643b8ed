#pragma once
// Test files in the program's encoding, written as they stand (line ends
// included), so a test can hand the readers any text.

#include <string>
#include <string_view>

#include "io/Cp932.h"
#include "io/FileIo.h"

namespace nimbara::testing {

inline bool WriteCp932Text(const std::string& path, std::string_view utf8) {
  return static_cast<bool>(WriteFileAtomically(path, EncodeCp932(utf8).bytes));
}

}  // namespace nimbara::testing
