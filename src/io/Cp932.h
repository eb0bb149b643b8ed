#pragma once
// The file boundary: files are CP932, text inside is UTF-8. Conversion is by
// table (Cp932Table.h), generated from glibc iconv "CP932" (not "SHIFT_JIS",
// which maps ～ － ∥ differently) by tools/cp932/generate_cp932_table.py, so
// that every build converts alike, with or without iconv.

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

// A byte that does not decode becomes U+FFFD; a lead byte followed by an
// invalid trail is replaced alone.
DecodedText DecodeCp932(std::string_view bytes);
// A character without a CP932 form becomes "?", and so does each maximal
// ill-formed part of malformed UTF-8 (listed in `replaced` as U+FFFD).
// Unicode's tag characters are dropped, as iconv drops them.
EncodedText EncodeCp932(std::string_view utf8);

// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

}  // namespace nimbara
