#include "app/Alignment.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/BaseMap.h"
#include "support/TestApp.h"
#include "support/TempFolder.h"

namespace nimbara {
namespace {

using testing::TestApp;

class AlignmentTest : public ::testing::Test {
 protected:
  AlignmentTest() {
    app.state.settingsPath = settingsFolder.File("Nimbara.ini");
    ApplyMapView(app.canvas, app.state.view);
  }
  ~AlignmentTest() override { std::filesystem::remove(app.state.settingsPath); }
  testing::TempFolder settingsFolder;
  TestApp app;
};

TEST_F(AlignmentTest, EachButtonChangesOneValueByOne) {
  struct Case {
    AlignButton button;
    MapView expected;
  };
  const Case cases[] = {
      {AlignButton::Down, {1, 0, 400, 400}},          {AlignButton::Left, {0, -1, 400, 400}},
      {AlignButton::Right, {0, 1, 400, 400}},         {AlignButton::Up, {-1, 0, 400, 400}},
      {AlignButton::NarrowerWidth, {0, 0, 399, 400}}, {AlignButton::WiderWidth, {0, 0, 401, 400}},
      {AlignButton::LowerHeight, {0, 0, 400, 399}},   {AlignButton::HigherHeight, {0, 0, 400, 401}},
  };
  for (const Case& c : cases) {
    TestApp fresh;
    ApplyMapView(fresh.canvas, fresh.state.view);
    EXPECT_TRUE(AdjustMapView(fresh.Context(), c.button));
    EXPECT_EQ(fresh.state.view, c.expected) << static_cast<int>(c.button);
    EXPECT_EQ(fresh.canvas.Scale(), c.expected);
  }
}

TEST_F(AlignmentTest, EachChangeRedrawsOnlyTheBaseMapOnAClearedCanvas) {
  app.canvas.ClearLog();
  AdjustMapView(app.Context(), AlignButton::Right);
  ASSERT_FALSE(app.canvas.Lines().empty());
  EXPECT_EQ(app.canvas.Lines().front(), "clear");
  for (std::size_t i = 1; i < app.canvas.Lines().size(); ++i)
    EXPECT_EQ(app.canvas.Lines()[i].rfind("line ", 0), 0u) << app.canvas.Lines()[i];
}

TEST_F(AlignmentTest, StartsFromTheCanvasScale) {
  app.canvas.SetScale({10, 20, 300, 350});
  AdjustMapView(app.Context(), AlignButton::Down);
  EXPECT_EQ(app.state.view.top, 11.0f);
  EXPECT_EQ(app.state.view.left, 20.0f);
}

TEST_F(AlignmentTest, AChangeToZeroWidthOrHeightIsRefused) {
  app.state.view = {0, 0, 1, 1};
  ApplyMapView(app.canvas, app.state.view);
  app.canvas.ClearLog();
  EXPECT_FALSE(AdjustMapView(app.Context(), AlignButton::NarrowerWidth));
  EXPECT_FALSE(AdjustMapView(app.Context(), AlignButton::LowerHeight));
  EXPECT_EQ(app.state.view, (MapView{0, 0, 1, 1}));
  EXPECT_TRUE(app.canvas.Lines().empty());
  EXPECT_TRUE(AdjustMapView(app.Context(), AlignButton::WiderWidth));
}

TEST_F(AlignmentTest, NegativeValuesAreAccepted) {
  app.state.view = {0, 0, -1, 400};
  ApplyMapView(app.canvas, app.state.view);
  EXPECT_TRUE(AdjustMapView(app.Context(), AlignButton::NarrowerWidth));
  EXPECT_EQ(app.state.view.width, -2.0f);
}

TEST_F(AlignmentTest, OpeningSetsTheAlignModeAndShowsTheWindow) {
  OpenAlignmentWindow(app.Context());
  EXPECT_EQ(app.state.clickMode, ClickMode::Align);
  EXPECT_EQ(app.ui.windowEvents, std::vector<std::string>{"show frmAdjust 0"});
}

TEST_F(AlignmentTest, ClosingEndsTheModeAndWritesTheSettings) {
  OpenAlignmentWindow(app.Context());
  AdjustMapView(app.Context(), AlignButton::Down);
  CloseAlignmentWindow(app.Context());
  EXPECT_EQ(app.state.clickMode, ClickMode::None);
  EXPECT_EQ(app.ui.windowEvents.back(), "hide frmAdjust");
  EXPECT_TRUE(std::filesystem::exists(app.state.settingsPath));
}

}  // namespace
}  // namespace nimbara
