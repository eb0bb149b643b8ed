#include "app/Alignment.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/DisplayCommands.h"
#include "io/DataFile.h"
#include "io/FileIo.h"
#include "render/BaseMap.h"
#include "support/TempFolder.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

using testing::TestApp;
using testing::TestDataPath;

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

TEST_F(AlignmentTest, EachButtonChangesOneValueByOneOrTen) {
  struct Case {
    AlignButton button;
    MapView byOne;
    MapView byTen;
  };
  const Case cases[] = {
      {AlignButton::Down, {1, 0, 400, 400}, {10, 0, 400, 400}},
      {AlignButton::Left, {0, -1, 400, 400}, {0, -10, 400, 400}},
      {AlignButton::Right, {0, 1, 400, 400}, {0, 10, 400, 400}},
      {AlignButton::Up, {-1, 0, 400, 400}, {-10, 0, 400, 400}},
      {AlignButton::NarrowerWidth, {0, 0, 399, 400}, {0, 0, 390, 400}},
      {AlignButton::WiderWidth, {0, 0, 401, 400}, {0, 0, 410, 400}},
      {AlignButton::LowerHeight, {0, 0, 400, 399}, {0, 0, 400, 390}},
      {AlignButton::HigherHeight, {0, 0, 400, 401}, {0, 0, 400, 410}},
  };
  for (const Case& c : cases) {
    for (const auto& [size, expected] : {std::pair{kAlignStep, c.byOne}, std::pair{kAlignLargeStep, c.byTen}}) {
      TestApp fresh;
      ApplyMapView(fresh.canvas, fresh.state.view);
      EXPECT_TRUE(AdjustMapView(fresh.Context(), StepOf(c.button, size)));
      EXPECT_EQ(fresh.state.view, expected) << static_cast<int>(c.button) << " by " << size;
      EXPECT_EQ(fresh.canvas.Scale(), expected);
    }
  }
}

TEST_F(AlignmentTest, KeysStepAsTheButtonsLaidOutThatWay) {
  struct Case {
    AlignKey key;
    bool shift;
    bool ctrl;
    ViewStep expected;
  };
  const Case cases[] = {
      {AlignKey::Up, false, false, StepOf(AlignButton::Up)},
      {AlignKey::Down, false, false, StepOf(AlignButton::Down)},
      {AlignKey::Left, false, true, StepOf(AlignButton::Left, kAlignLargeStep)},
      {AlignKey::Right, false, false, StepOf(AlignButton::Right)},
      {AlignKey::Right, true, false, StepOf(AlignButton::WiderWidth)},
      {AlignKey::Left, true, false, StepOf(AlignButton::NarrowerWidth)},
      {AlignKey::Up, true, true, StepOf(AlignButton::HigherHeight, kAlignLargeStep)},
      {AlignKey::Down, true, false, StepOf(AlignButton::LowerHeight)},
      {AlignKey::Plus, false, false, {0, 0, 1, 1}},  {AlignKey::Plus, true, false, {0, 0, 1, 1}},
      {AlignKey::Minus, false, true, {0, 0, -10, -10}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(KeyStep(c.key, c.shift, c.ctrl), c.expected)
        << static_cast<int>(c.key) << " shift " << c.shift << " ctrl " << c.ctrl;
}

TEST_F(AlignmentTest, EachChangeRedrawsTheWholeMapAsTheDisplayCommandDoes) {
  const auto contents = ParseDataFile(*ReadCp932File(TestDataPath("data_realistic.txt")));
  ASSERT_TRUE(contents);
  ApplyDataFile(*contents, app.state.store);
  const auto displayed = [&](MapView view) {
    TestApp reference;
    reference.state.store = app.state.store;
    reference.state.view = view;
    cntDisplay_Click(reference.Context());
    return reference.canvas.Lines();
  };
  app.canvas.ClearLog();
  AdjustMapView(app.Context(), StepOf(AlignButton::Right));
  EXPECT_EQ(app.canvas.Lines(), displayed({0, 1, 400, 400}));
  app.canvas.ClearLog();
  EXPECT_TRUE(SetViewField(app.Context(), ViewField::Width, "380"));
  EXPECT_EQ(app.canvas.Lines(), displayed({0, 1, 380, 400}));
  app.canvas.ClearLog();
  ResetMapView(app.Context());
  EXPECT_EQ(app.state.view, MapView{});
  EXPECT_EQ(app.canvas.Lines(), displayed(MapView{}));
}

TEST_F(AlignmentTest, TypedValuesWithinTheirRangeAreAppliedAndOthersRefused) {
  struct Case {
    ViewField field;
    const char* text;
    bool applied;
    float value;  // of the field afterwards
  };
  const Case cases[] = {
      {ViewField::Top, "12", true, 12},          {ViewField::Left, " -3.5 ", true, -3.5f},
      {ViewField::Height, "３８０", true, 380},   {ViewField::Width, "+401", true, 401},
      {ViewField::Top, "-4000", true, -4000},    {ViewField::Top, "4001", false, 0},
      {ViewField::Width, "0", false, 400},       {ViewField::Width, "-5", false, 400},
      {ViewField::Height, "4000", true, 4000},   {ViewField::Height, "4000.5", false, 400},
      {ViewField::Left, "", false, 0},           {ViewField::Left, "12a", false, 0},
      {ViewField::Left, "nan", false, 0},        {ViewField::Width, "inf", false, 400},
      {ViewField::Top, "1e2", true, 100},        {ViewField::Top, "- 1", false, 0},
  };
  for (const Case& c : cases) {
    TestApp fresh;
    EXPECT_EQ(SetViewField(fresh.Context(), c.field, c.text), c.applied) << c.text;
    EXPECT_EQ(ViewFieldText(fresh.state.view, c.field), ViewFieldText({c.value, c.value, c.value, c.value}, c.field))
        << c.text;
    EXPECT_EQ(fresh.canvas.Lines().empty(), !c.applied) << c.text;
  }
}

TEST_F(AlignmentTest, StartsFromTheCanvasScale) {
  app.canvas.SetScale({10, 20, 300, 350});
  AdjustMapView(app.Context(), StepOf(AlignButton::Down));
  EXPECT_EQ(app.state.view.top, 11.0f);
  EXPECT_EQ(app.state.view.left, 20.0f);
}

TEST_F(AlignmentTest, AChangeToZeroWidthOrHeightIsRefused) {
  app.state.view = {0, 0, 1, 10};
  ApplyMapView(app.canvas, app.state.view);
  app.canvas.ClearLog();
  EXPECT_FALSE(AdjustMapView(app.Context(), StepOf(AlignButton::NarrowerWidth)));
  EXPECT_FALSE(AdjustMapView(app.Context(), StepOf(AlignButton::LowerHeight, kAlignLargeStep)));
  EXPECT_EQ(app.state.view, (MapView{0, 0, 1, 10}));
  EXPECT_TRUE(app.canvas.Lines().empty());
  EXPECT_TRUE(AdjustMapView(app.Context(), StepOf(AlignButton::WiderWidth)));
}

TEST_F(AlignmentTest, NegativeValuesAreAccepted) {
  app.state.view = {0, 0, -1, 400};
  ApplyMapView(app.canvas, app.state.view);
  EXPECT_TRUE(AdjustMapView(app.Context(), StepOf(AlignButton::NarrowerWidth)));
  EXPECT_EQ(app.state.view.width, -2.0f);
}

TEST_F(AlignmentTest, OpeningSetsTheAlignModeAndShowsTheWindow) {
  OpenAlignmentWindow(app.Context());
  EXPECT_EQ(app.state.clickMode, ClickMode::Align);
  EXPECT_EQ(app.ui.windowEvents, std::vector<std::string>{"show frmAdjust"});
}

TEST_F(AlignmentTest, ClosingEndsTheModeAndWritesTheSettings) {
  OpenAlignmentWindow(app.Context());
  AdjustMapView(app.Context(), StepOf(AlignButton::Down));
  CloseAlignmentWindow(app.Context());
  EXPECT_EQ(app.state.clickMode, ClickMode::None);
  EXPECT_EQ(app.ui.windowEvents.back(), "hide frmAdjust");
  EXPECT_TRUE(std::filesystem::exists(app.state.settingsPath));
}

}  // namespace
}  // namespace nimbara
