#include "core/Projection.h"

#include <gtest/gtest.h>

namespace nimbara {
namespace {

TEST(Projection, PolarRadiusFollowsTheBandTable) {
  struct Case {
    double latitude;
    double radius;
  };
  const Case cases[] = {{10, 657}, {15, 607}, {16, 597}, {17, 587}, {18, 577}, {19, 567},
                        {20, 559}, {25, 511}, {30, 465}, {35, 421}, {40, 379}, {45, 339},
                        {50, 303}, {54, 272.6}, {55, 299}, {56, 292.2}};
  for (const auto& c : cases) EXPECT_NEAR(PolarRadius(c.latitude), c.radius, 1e-9) << c.latitude;
}

TEST(Projection, OnlyLatitudesOutsideTheMapHaveNoRadiusAndNoMapPosition) {
  EXPECT_EQ(PolarRadius(9), 0.0);
  EXPECT_EQ(PolarRadius(57), 0.0);
  EXPECT_FALSE(HasMapPosition(ProjectLatLon(9, 135)));
  EXPECT_FALSE(HasMapPosition(ProjectLatLon(57, 150)));
  for (int latitude = 10; latitude <= 56; ++latitude)
    for (int longitude = 0; longitude < 400; ++longitude)  // 400 degrees make a full turn round the pole
      ASSERT_TRUE(HasMapPosition(ProjectLatLon(latitude, longitude))) << latitude << " " << longitude;
}

TEST(Projection, WorkedPositions) {
  struct Case {
    double latitude, longitude;
    MapPoint expected;
  };
  const Case cases[] = {{35, 135, {263, 184}}, {35, 140, {296, 183}}, {40, 120, {175, 132}},
                        {25, 150, {382, 260}}, {50, 150, {334, 58}},  {30, 135, {263, 228}}};
  for (const auto& c : cases) EXPECT_EQ(ProjectLatLon(c.latitude, c.longitude), c.expected) << c.latitude;
}

TEST(Projection, APlaceFoundUnderAMapPointProjectsBackOntoThatPixelAndOnlyTheMapsLatitudesHaveOne) {
  const std::pair<double, double> places[] = {{35, 135}, {35.6, 139.7}, {43.1, 141.3}, {26.2, 127.7},
                                             {12, 160},  {53.5, 100},   {47.6, 152.4}, {17, 119}};
  for (const auto& [latitude, longitude] : places) {
    const MapPoint pixel = ProjectLatLon(latitude, longitude);
    const auto found = LatLonAt(pixel.x, pixel.y);
    ASSERT_TRUE(found) << latitude << " " << longitude;
    EXPECT_NEAR(found->latitude, latitude, 0.2) << longitude;
    EXPECT_NEAR(found->longitude, longitude, 0.2) << latitude;
    EXPECT_EQ(ProjectLatLon(found->latitude, found->longitude), pixel) << latitude << " " << longitude;
  }
  EXPECT_FALSE(LatLonAt(0, 400));     // south of 10 degrees
  EXPECT_FALSE(LatLonAt(263, -240));  // by the pole, north of 55
}

TEST(Projection, TheContinuousFormMeetsTheBandsAtTheirStartsAndNeverJumps) {
  for (double latitude = 10; latitude <= 50; latitude += 5)
    EXPECT_DOUBLE_EQ(ContinuousPolarRadius(latitude), PolarRadius(latitude)) << latitude;
  EXPECT_DOUBLE_EQ(ContinuousPolarRadius(60), 303 - 2 * 34);  // the northern band's step on beyond 50
  EXPECT_DOUBLE_EQ(ContinuousPolarRadius(5), 657 + 50);
  constexpr double kStep = 1e-6;
  for (double latitude = 0; latitude < 65; latitude += 0.25) {
    const double across = ContinuousPolarRadius(latitude) - ContinuousPolarRadius(latitude + kStep);
    EXPECT_GT(across, 0) << latitude;
    EXPECT_LT(across, 11 * kStep) << latitude;  // at most 10 units a degree: no jump
  }
  const PointF tokyo = ProjectLatLonContinuous(35, 140);
  EXPECT_NEAR(tokyo.x, ProjectLatLonExact(35, 140)->x, 1e-9);
  EXPECT_NEAR(tokyo.y, ProjectLatLonExact(35, 140)->y, 1e-9);
}

TEST(Projection, FiftyFiveNorthLiesSouthOfFiftyFourOnOneMeridian) {
  EXPECT_GT(ProjectLatLon(55, 135).y, ProjectLatLon(54, 135).y);
}

}  // namespace
}  // namespace nimbara
