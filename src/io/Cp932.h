#pragma once
// The file boundary: files are CP932, text inside is UTF-8. Conversion uses
// glibc iconv "CP932" (not "SHIFT_JIS", which maps ～ － ∥ differently).

#include <string>
#include <string_view>

namespace nimbara {

struct DecodedText {
  std::string text;         // UTF-8
  bool hadInvalid = false;  // some bytes did not decode and became U+FFFD
};

struct EncodedText {
  std::string bytes;         // CP932
  bool complete = true;      // false: some characters had no CP932 form and became "?"
  std::string replaced;  // the characters that had no CP932 form, each once, in order of first appearance (UTF-8)
};

DecodedText DecodeCp932(std::string_view bytes);
EncodedText EncodeCp932(std::string_view utf8);

// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

}  // namespace nimbara
