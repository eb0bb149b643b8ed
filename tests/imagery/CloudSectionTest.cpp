#include "imagery/CloudSection.h"

#include <gtest/gtest.h>

namespace nimbara {
namespace {

struct BrightnessCase {
  Colour colour;
  int northSouth;
  int eastWest;
};

TEST(CloudSection, BrightnessOfColours) {
  const BrightnessCase cases[] = {
      {-1, 255, 170},                       // outside the surface
      {kWhite, 255, 255},
      {kBlack, 0, 0},
      {Rgb(10, 20, 30), 20, 20},
      {Rgb(0, 0, 1), 0, 0},                 // 1/3 rounds down
      {Rgb(1, 1, 0), 1, 1},                 // 2/3 rounds up
      {Rgb(128, 128, 128), 128, 128},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NorthSouthBrightness(c.colour), c.northSouth) << c.colour;
    EXPECT_EQ(EastWestBrightness(c.colour), c.eastWest) << c.colour;
  }
}

// A picture that is white along map row 100 and black elsewhere.
Colour WhiteRow100(PointF p) { return p.y == 100 ? kWhite : kBlack; }

TEST(CloudSection, NorthSouthBarsOnlyWhereThePictureIsBright) {
  const CloudSection section = NorthSouthSection(WhiteRow100, 200);
  EXPECT_EQ(section.profile[100], 255);
  EXPECT_EQ(section.profile[99], 0);
  EXPECT_EQ(section.bars, (std::vector<LineSegment>{{{195, 100}, {163.125, 100}}}));
  ASSERT_EQ(section.frame.size(), 5u);
  EXPECT_EQ(section.frame.front().box.left, 150);
  EXPECT_EQ(section.frame.front().colour, kLightBlue);
}

TEST(CloudSection, EastWestSamplesAlongTheRowWithBarsGrowingUpward) {
  std::vector<PointF> sampled;
  const CloudSection section = EastWestSection(
      [&sampled](PointF p) {
        sampled.push_back(p);
        return kWhite;
      },
      300);
  ASSERT_EQ(sampled.size(), 371u);
  EXPECT_EQ(sampled.front(), (PointF{10, 300}));
  EXPECT_EQ(sampled.back(), (PointF{380, 300}));
  ASSERT_EQ(section.bars.size(), 371u);
  EXPECT_EQ(section.bars.front(), (LineSegment{{10, 295}, {10, 263.125}}));
}

}  // namespace
}  // namespace nimbara
