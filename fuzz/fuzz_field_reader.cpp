// Feeds arbitrary bytes through the CP932 decoder and the sequential field
// reader, the first steps of every file and paste the program reads.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/Text.h"
#include "io/Cp932.h"
#include "io/FieldReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const nimbara::DecodedText decoded = nimbara::DecodeCp932(bytes);
  nimbara::FieldReader fields(decoded.text);
  while (auto field = fields.ReadField()) {
    (void)nimbara::CharLength(*field);
    (void)nimbara::CharFind(*field, "ｈＰａ");
  }
  nimbara::FieldReader lines(decoded.text);
  while (lines.ReadLine()) {
  }
  (void)nimbara::EncodeCp932(decoded.text);
  (void)nimbara::EncodeCp932(bytes);  // text that is not UTF-8 at all
  (void)nimbara::IsValidUtf8(bytes);
  return 0;
}
