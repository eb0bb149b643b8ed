#include "app/CrossSection.h"

#include <gtest/gtest.h>

#include <set>

#include "render/LogFields.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

using testing::TestApp;

TEST(CrossSection, OpeningChoosesEastWestAndClearsTheLayers) {
  TestApp app;
  EXPECT_EQ(DanmenOpened(app.Context()),
            "赤外線画像から雲の高さがわかります。\r\n高い雲ほど、白い色で表示されます。\r\n地図の上をクリック\r\n");
  EXPECT_EQ(app.state.clickMode, ClickMode::EastWest);
  EXPECT_EQ(app.canvas.Lines(), std::vector<std::string>{"clear"});
}

TEST(CrossSection, ButtonsSetTheModeAndClear) {
  TestApp app;
  EXPECT_EQ(DanmenChooseNorthSouth(app.Context()), "地図の上をクリック");
  EXPECT_EQ(app.state.clickMode, ClickMode::NorthSouth);
  EXPECT_EQ(DanmenChooseEastWest(app.Context()), "地図の上をクリック");
  EXPECT_EQ(app.state.clickMode, ClickMode::EastWest);
  DanmenRestorePicture(app.Context());
  EXPECT_EQ(app.state.clickMode, ClickMode::EastWest);
  EXPECT_EQ(app.canvas.Lines().size(), 3u);
}

TEST(CrossSection, ClosingEndsTheModeAndClears) {
  TestApp app;
  app.state.clickMode = ClickMode::NorthSouth;
  DanmenClosed(app.Context());
  EXPECT_EQ(app.state.clickMode, ClickMode::None);
  EXPECT_EQ(app.canvas.Lines(), std::vector<std::string>{"clear"});
}

TEST(CrossSection, ClickDrawsTheChosenSectionAndRaisesTheWindow) {
  TestApp app;
  DrawCloudSectionAtClick(app.Context(), true, 120, 300);
  EXPECT_EQ(app.canvas.Lines().at(1), "rect 70 32 120 390 #0000FF #0000FF");
  EXPECT_EQ(app.ui.windowEvents, std::vector<std::string>{"forward Danmen"});

  app.canvas.ClearLog();
  DrawCloudSectionAtClick(app.Context(), false, 120, 300);
  EXPECT_EQ(app.canvas.Lines().at(1), "rect 0 250 390 300 #0000FF #0000FF");
}

TEST(CrossSection, ClickWithoutImageGivesBarsOfEqualLength) {
  TestApp app;
  DrawCloudSectionAtClick(app.Context(), true, 200, 200);
  const auto bars = testing::WithPrefix(app.canvas.Lines(), "line ");
  ASSERT_EQ(bars.size(), 341u);
  std::set<std::pair<double, double>> spans;  // start and end column of each bar
  for (const auto& bar : bars) {
    const auto numbers = testing::NumbersOf(bar);
    spans.insert({numbers[0], numbers[2]});
  }
  EXPECT_EQ(spans, (std::set<std::pair<double, double>>{{195, 163.125}}));
}

}  // namespace
}  // namespace nimbara
