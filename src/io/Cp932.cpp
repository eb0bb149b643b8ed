#include "io/Cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace nimbara {
namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

class Converter {
 public:
  Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
    if (m_cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert CP932");
  }
  ~Converter() { iconv_close(m_cd); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts as much as possible; returns false at a byte sequence that does
  // not convert, leaving `in` there.
  bool Convert(const char*& in, std::size_t& inLeft, std::string& out) {
    char buffer[4096];
    while (inLeft > 0) {
      char* outPtr = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t rc = iconv(m_cd, const_cast<char**>(&in), &inLeft, &outPtr, &outLeft);
      out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
      if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
    }
    return true;
  }

 private:
  iconv_t m_cd;
};

}  // namespace

DecodedText DecodeCp932(std::string_view bytes) {
  DecodedText result;
  result.text.reserve(bytes.size() + bytes.size() / 2);
  Converter converter("UTF-8", "CP932");
  const char* in = bytes.data();
  std::size_t left = bytes.size();
  while (!converter.Convert(in, left, result.text)) {
    result.hadInvalid = true;
    result.text += kReplacementUtf8;
    // A lead byte followed by an invalid trail: skip the lead only, so the
    // trail can start the next character.
    ++in;
    --left;
  }
  return result;
}

EncodedText EncodeCp932(std::string_view utf8) {
  EncodedText result;
  result.bytes.reserve(utf8.size());
  Converter converter("CP932", "UTF-8");
  const char* in = utf8.data();
  std::size_t left = utf8.size();
  while (!converter.Convert(in, left, result.bytes)) {
    result.complete = false;
    result.bytes += '?';
    // Skip the whole character that has no CP932 form.
    std::size_t skip = 1;
    const auto lead = static_cast<unsigned char>(*in);
    if (lead >= 0xF0) skip = 4;
    else if (lead >= 0xE0) skip = 3;
    else if (lead >= 0xC0) skip = 2;
    skip = std::min(skip, left);
    const std::string_view character(in, skip);
    if (result.replaced.find(character) == std::string::npos) result.replaced += character;
    in += skip;
    left -= skip;
  }
  return result;
}

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    std::size_t extra;
    char32_t min;
    if (c < 0x80) { ++i; continue; }
    if ((c & 0xE0) == 0xC0) { extra = 1; min = 0x80; }
    else if ((c & 0xF0) == 0xE0) { extra = 2; min = 0x800; }
    else if ((c & 0xF8) == 0xF0) { extra = 3; min = 0x10000; }
    else return false;
    if (i + extra >= bytes.size()) return false;
    char32_t cp = c & (0x3F >> extra);
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto b = static_cast<unsigned char>(bytes[i + k]);
      if ((b & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

}  // namespace nimbara
