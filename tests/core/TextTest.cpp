#include "core/Text.h"

#include <gtest/gtest.h>

namespace nimbara {
namespace {

TEST(Text, LengthCountsCharactersNotBytes) {
  EXPECT_EQ(CharLength("石垣島"), 3u);
  EXPECT_EQ(CharLength("abc"), 3u);
  EXPECT_EQ(CharLength(""), 0u);
  EXPECT_EQ(CharLength("\xff\xfe"), 2u);  // undecodable bytes count one each
  // A character cut short counts once, as the CP932 encoder replaces it once.
  EXPECT_EQ(CharLength("\xe7\x9f" "a"), 2u);
  EXPECT_EQ(ToCodePoints("\xc0\xaf"), U"\uFFFD\uFFFD");  // overlong: two ill-formed parts
}

TEST(Text, SubstringAndFindByCharacter) {
  EXPECT_EQ(CharSubstr("那覇　北北西　風力３", 3, 3), "北北西");
  EXPECT_EQ(CharSubstr("abc", 1), "bc");
  EXPECT_EQ(CharSubstr("abc", 5, 2), "");
  EXPECT_EQ(CharFind("那覇　風力３", "風力"), 3u);
  EXPECT_EQ(CharFind("風力風力", "風力", 1), 2u);
  EXPECT_EQ(CharFind("abc", "x"), kNoPosition);
}

TEST(Text, PaddingNeverCutsAndCountsColumnsTwicePerCharacter) {
  EXPECT_EQ(PadRight("石垣島", 10), "石垣島       ");
  EXPECT_EQ(PadLeft("3", 3), "  3");
  EXPECT_EQ(PadLeft("1012", 3), "1012");
  EXPECT_EQ(PadRightColumns("石垣島", 18), "石垣島            ");
  EXPECT_EQ(PadRightColumns("セベロクリリスク", 18), "セベロクリリスク  ");
  EXPECT_EQ(PadRightColumns("ルドナヤプリスタニ", 18), "ルドナヤプリスタニ");
}

TEST(Text, DisplayColumnsCountHalfWidthCharactersOnceAndOthersTwice) {
  EXPECT_EQ(DisplayColumns("1008"), 4u);
  EXPECT_EQ(DisplayColumns("高"), 2u);
  EXPECT_EQ(DisplayColumns("ｱｲ10°N"), 7u);
}

TEST(Text, TrimRemovesHalfWidthSpacesOnly) {
  EXPECT_EQ(TrimSpaces("  北西 "), "北西");
  EXPECT_EQ(TrimSpaces("　北　"), "　北　");
  EXPECT_EQ(TrimRightSpaces(" a  "), " a");
}

TEST(Text, FullWidthNumberFormsBecomeHalfWidth) {
  EXPECT_EQ(HalfWidthNumberText("２．５"), "2.5");
  EXPECT_EQ(HalfWidthNumberText("　－１０＋"), " -10+");
  EXPECT_EQ(HalfWidthNumberText("−3"), "-3");
  EXPECT_EQ(HalfWidthNumberText("1013hPa 北"), "1013hPa 北");
}

}  // namespace
}  // namespace nimbara
