#include "core/Numbers.h"

#include <gtest/gtest.h>

#include <limits>

namespace nimbara {
namespace {

TEST(Numbers, LenientReadingStopsAtFirstMisfit) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"  1013", 1013},   {"\t-3度", -3},  {"+7", 7},         {"12.5hPa", 12.5}, {"1e3", 1000},
      {"1e", 1},          {"abc", 0},      {"", 0},           {"-", 0},          {".5", 0.5},
      {"&HFF0000&", 0xFF0000}, {"&H0&", 0}, {"&hff", 255},   {"&HFFFFFFFF&", -1}, {" 4 ' comment", 4},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(ReadNumber(c.text), c.value) << c.text;
}

TEST(Numbers, RoundingSendsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(RoundToInt(100.5), 100);
  EXPECT_EQ(RoundToInt(101.5), 102);
  EXPECT_EQ(RoundToInt(-2.5), -2);
  EXPECT_EQ(RoundToInt(35.5), 36);
  EXPECT_EQ(RoundToInt(36.5), 36);
  EXPECT_EQ(FloorToInt(-0.5), -1);
}

TEST(Numbers, RoundingSaturatesInsteadOfOverflowing) {
  EXPECT_EQ(RoundToInt(1e30), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(RoundToInt(-1e30), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(RoundToInt(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(Numbers, SignedTextLeadsWithSpaceOrMinus) {
  EXPECT_EQ(SignedText(5), " 5");
  EXPECT_EQ(SignedText(-3), "-3");
  EXPECT_EQ(SignedText(0), " 0");
  EXPECT_EQ(SignedText(1013), " 1013");
}

TEST(Numbers, PrintFormUsesShortestDecimals) {
  EXPECT_EQ(PrintForm(4), " 4 ");
  EXPECT_EQ(PrintForm(-5), "-5 ");
  EXPECT_EQ(PrintForm(400.5f), " 400.5 ");
  EXPECT_EQ(PrintForm(0.1f), " 0.1 ");
  EXPECT_EQ(PrintForm(-3.25), "-3.25 ");
  EXPECT_EQ(PrintForm(1e20), " 100000000000000000000 ");
}

}  // namespace
}  // namespace nimbara
