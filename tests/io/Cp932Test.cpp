#include "io/Cp932.h"

#include <gtest/gtest.h>

namespace nimbara {
namespace {

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
  const DecodedText decoded = DecodeCp932("A\x81\x20" "B\xA0");
  EXPECT_TRUE(decoded.hadInvalid);
  EXPECT_EQ(decoded.text.substr(0, 1), "A");
  EXPECT_NE(decoded.text.find("\xEF\xBF\xBD"), std::string::npos);
  EXPECT_NE(decoded.text.find('B'), std::string::npos);
}

TEST(Cp932, TruncatedLeadByteAtTheEndIsReplaced) {
  const DecodedText decoded = DecodeCp932("AB\x82");
  EXPECT_TRUE(decoded.hadInvalid);
  EXPECT_EQ(decoded.text, "AB\xEF\xBF\xBD");
}

TEST(Cp932, UnencodableTextIsReportedNotDropped) {
  const EncodedText encoded = EncodeCp932("晴れ😀雨");
  EXPECT_FALSE(encoded.complete);
  EXPECT_EQ(DecodeCp932(encoded.bytes).text, "晴れ?雨");
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
