#include "io/Cp932.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>

#include "core/Text.h"

namespace nimbara {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// glibc iconv, which the conversion table was generated from: the oracle.
class Iconv {
 public:
  Iconv(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
  ~Iconv() { iconv_close(m_cd); }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  // The whole of a short input converted, or nothing when any of it fails.
  std::optional<std::string> operator()(std::string_view input) {
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char buffer[16];
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t rc = iconv(m_cd, &in, &inLeft, &out, &outLeft);
    if (rc == static_cast<std::size_t>(-1)) return std::nullopt;
    return std::string(buffer, out);
  }

 private:
  iconv_t m_cd;
};

TEST(Cp932, DecodesEveryByteAndPairAsGlibcDoes) {
  Iconv glibc("UTF-8", "CP932");
  const auto alone = [&](char byte) { return glibc(std::string(1, byte)).value_or(std::string(kReplacement)); };
  for (int lead = 0; lead < 256; ++lead) {
    for (int trail = 0; trail < 256; ++trail) {
      const std::string pair = {static_cast<char>(lead), static_cast<char>(trail)};
      const std::optional<std::string> whole = glibc(pair);
      // A pair that does not decode is two bytes on their own: a lead byte
      // followed by an invalid trail is replaced alone.
      const DecodedText decoded = DecodeCp932(pair);
      ASSERT_EQ(decoded.text, whole.value_or(alone(pair[0]) + alone(pair[1]))) << std::hex << lead << ' ' << trail;
      ASSERT_EQ(decoded.hadInvalid, !whole) << std::hex << lead << ' ' << trail;
    }
  }
}

TEST(Cp932, EncodesEveryCodePointAsGlibcDoes) {
  Iconv glibc("CP932", "UTF-8");
  for (unsigned codePoint = 0; codePoint <= 0x10FFFF; ++codePoint) {
    if (codePoint == 0xD800) codePoint = 0xE000;  // surrogates are not characters
    std::string utf8;
    AppendUtf8(utf8, codePoint);
    const std::optional<std::string> bytes = glibc(utf8);
    const EncodedText encoded = EncodeCp932(utf8);
    ASSERT_EQ(encoded.bytes, bytes.value_or("?")) << std::hex << codePoint;
    ASSERT_EQ(encoded.complete, bytes.has_value()) << std::hex << codePoint;
    ASSERT_EQ(encoded.replaced, bytes ? "" : utf8) << std::hex << codePoint;
  }
}

TEST(Cp932, RoundTripsTheCharactersWindowsFilesHold) {
  const std::string text = "石垣島　～－∥ｈＰａ ﾃﾞｰﾀ";
  const EncodedText encoded = EncodeCp932(text);
  ASSERT_TRUE(encoded.complete);
  // ～ is 0x8160 in CP932 (not the wave dash of the plain Shift_JIS table).
  EXPECT_NE(encoded.bytes.find("\x81\x60"), std::string::npos);
  const DecodedText decoded = DecodeCp932(encoded.bytes);
  EXPECT_FALSE(decoded.hadInvalid);
  EXPECT_EQ(decoded.text, text);
}

TEST(Cp932, UndecodableBytesBecomeReplacementCharacters) {
  const DecodedText decoded = DecodeCp932("A\x81\x20" "B\xA0\x81\x81\x40" "C\x82");
  EXPECT_TRUE(decoded.hadInvalid);
  EXPECT_EQ(decoded.text, "A\uFFFD B\uFFFD＝@C\uFFFD");
}

TEST(Cp932, UnencodableCharactersBecomeQuestionMarksAndAreListedOnce) {
  struct Case {
    std::string_view utf8;
    std::string_view written;   // decoded back
    std::string_view replaced;
  };
  const Case cases[] = {
      {"晴れ😀雨🌀😀", "晴れ?雨??", "😀🌀"},
      // Malformed UTF-8: each maximal ill-formed part is one character.
      {"A\xE7\x9F" "B\xF0\x9F\x98", "A?B?", "\uFFFD"},
      {"\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80", "?????????", "\uFFFD"},
      {"\uFFFD雨\xFF", "?雨?", "\uFFFD"},
  };
  for (const Case& c : cases) {
    const EncodedText encoded = EncodeCp932(c.utf8);
    EXPECT_FALSE(encoded.complete) << c.utf8;
    EXPECT_EQ(DecodeCp932(encoded.bytes).text, c.written) << c.utf8;
    EXPECT_EQ(encoded.replaced, c.replaced) << c.utf8;
  }
}

TEST(Cp932, RecognisesWellFormedUtf8) {
  EXPECT_TRUE(IsValidUtf8("石垣島 abc"));
  EXPECT_FALSE(IsValidUtf8("\x90\xce"));         // CP932 bytes of 石
  EXPECT_FALSE(IsValidUtf8("\xE7\x9F"));         // cut short
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));         // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));     // surrogate
}

}  // namespace
}  // namespace nimbara
