#include "app/IsobarCommands.h"

#include <gtest/gtest.h>

#include "app/FileCommands.h"
#include "pressure/PressureRelief.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

using testing::TestApp;

// Records the default answers offered by the input boxes as well.
class DefaultRecordingUi : public testing::ScriptedUi {
 public:
  std::vector<std::string> defaults;
  std::optional<std::string> InputBox(const std::string& title, const std::string& prompt,
                                      const std::string& defaultText) override {
    defaults.push_back(defaultText);
    return ScriptedUi::InputBox(title, prompt, defaultText);
  }
};

void FillGrid(AppState& state, std::int32_t value) {
  for (int c = 0; c <= kGridLast; ++c)
    for (int r = 0; r <= kGridLast; ++r) state.field.grid.At(c, r) = value;
}

// A grid of one value and a click mode, ready for correction clicks.
class Correction : public ::testing::Test {
 protected:
  TestApp app;
  void Prepare(std::int32_t value, ClickMode mode) {
    FillGrid(app.state, value);
    app.state.clickMode = mode;
  }
};

TEST_F(Correction, RaiseByTwoWithTheLeftButtonAndByAHalfWithAnyOther) {
  Prepare(101200, ClickMode::Raise);
  EXPECT_EQ(CorrectAtClick(app.Context(), true, 60, 62), "1014");
  EXPECT_EQ(app.state.field.grid.At(5, 5), 101400);
  EXPECT_EQ(CorrectAtClick(app.Context(), false, 60, 62), "1014.5");
  EXPECT_EQ(app.state.field.grid.At(5, 5), 101450);
  EXPECT_EQ(app.state.field.grid.At(5, 6), 101200);
  app.state.clickMode = ClickMode::Lower;
  EXPECT_EQ(CorrectAtClick(app.Context(), true, 60, 62), "1012.5");
}

TEST_F(Correction, RedrawsTheCellsAroundTheNodeWithTheCurrentWidth) {
  Prepare(101300, ClickMode::Lower);
  app.canvas.SetLineWidth(3);
  CorrectAtClick(app.Context(), true, 60, 60);
  EXPECT_EQ(app.canvas.Lines().front(), "rect 48 48 60 60 #FFFFFF #FFFFFF");
  EXPECT_EQ(app.canvas.Lines()[1], "line 60 54 54 60 3 #0000FF");
}

TEST_F(Correction, ReadingChangesNothingAndDrawsNothing) {
  Prepare(99850, ClickMode::Read);
  EXPECT_EQ(CorrectAtClick(app.Context(), true, 200, 200), "998.5");
  EXPECT_EQ(app.state.field.grid.At(17, 17), 99850);
  EXPECT_TRUE(app.canvas.Lines().empty());
}

TEST_F(Correction, BorderNodesChangeButOnlyInnerCellsAreRedrawn) {
  Prepare(101300, ClickMode::Raise);
  EXPECT_EQ(CorrectAtClick(app.Context(), true, 12, 0), "1015");
  EXPECT_EQ(app.state.field.grid.At(1, 0), 101500);
  EXPECT_TRUE(app.canvas.Lines().empty());
  EXPECT_EQ(CorrectAtClick(app.Context(), true, 400, 200), "1015");
  EXPECT_EQ(app.state.field.grid.At(33, 17), 101500);
}

TEST_F(Correction, ClicksOutsideTheGridAreIgnored) {
  Prepare(101300, ClickMode::Raise);
  for (const auto& [x, y] : {std::pair{401.0, 10.0}, {10.0, 400.5}, {-7.0, 10.0}, {10.0, -6.5}})
    EXPECT_FALSE(CorrectAtClick(app.Context(), true, x, y));
  EXPECT_TRUE(app.canvas.Lines().empty());
}

TEST(ChangeIsobarInterval, AsksWithTheCurrentInterval) {
  TestApp app;
  app.state.isobar = IsobarInterval::FromHectopascals(2.5f);
  ChangeIsobarInterval(app.Context(), "2");
  EXPECT_EQ(app.ui.inputPrompts,
            std::vector<std::string>{"等圧線の間隔（かんかく）の変更|等圧線は2.5hPaごとに描いています。\r\n"
                                     "何hPaごとにしますか？\r\n（0.5から10）"});
}

TEST(ChangeIsobarInterval, AcceptsHalfToTenHectopascals) {
  for (const auto& [answer, interval, offset] :
       {std::tuple{"0.5", 50.0f, 25.0f}, {"10", 1000.0f, 500.0f}, {" 2.5hPa", 250.0f, 125.0f},
        {"２．５", 250.0f, 125.0f}}) {
    TestApp app;
    app.ui.inputAnswers.push_back(answer);
    ChangeIsobarInterval(app.Context(), "2");
    EXPECT_EQ(app.state.isobar.interval, interval) << answer;
    EXPECT_EQ(app.state.isobar.startOffset, offset) << answer;
    EXPECT_TRUE(app.ui.messages.empty());
    EXPECT_EQ(app.canvas.Lines().front(), "clear");
  }
}

TEST(ChangeIsobarInterval, RefusesOtherAnswersAndKeepsTheInterval) {
  for (const char* answer : {"0.4", "11", "abc"}) {
    TestApp app;
    app.ui.inputAnswers.push_back(answer);
    ChangeIsobarInterval(app.Context(), "2");
    ASSERT_EQ(app.ui.messages.size(), 1u) << answer;
    EXPECT_EQ(app.ui.messages[0].title, "注意");
    EXPECT_EQ(app.ui.messages[0].text, "正しい入力をしてください！");
    EXPECT_EQ(app.state.isobar, IsobarInterval{});
    EXPECT_TRUE(app.canvas.Lines().empty());
  }
}

TEST(ChangeIsobarInterval, CancelOrEmptyAnswerDoesNothing) {
  for (const std::optional<std::string>& answer : {std::optional<std::string>{}, std::optional<std::string>{""}}) {
    TestApp app;
    app.ui.inputAnswers.push_back(answer);
    ChangeIsobarInterval(app.Context(), "2");
    EXPECT_TRUE(app.ui.messages.empty());
    EXPECT_TRUE(app.canvas.Lines().empty());
  }
}

TEST(IntervalMenu, OffersTheIntervalInWholeHectopascals) {
  AppState state;
  RecordingCanvas canvas;
  DefaultRecordingUi ui;
  state.isobar = IsobarInterval::FromHectopascals(2.5f);
  cntTKankaku_Click({state, canvas, ui});
  EXPECT_EQ(ui.defaults, std::vector<std::string>{"2"});
}

TEST(Averaging, SmoothsOnceKeepingFixedCellsAndRedraws) {
  TestApp app;
  FillGrid(app.state, 101400);
  app.state.field.grid.At(10, 10) = 101000;
  app.state.field.grid.At(20, 20) = 101000;
  app.state.field.fixed.At(20, 20) = -1;
  AverageIsobarField(app.Context());
  EXPECT_EQ(app.state.field.grid.At(10, 10), 101200);
  EXPECT_EQ(app.state.field.grid.At(20, 20), 101000);
  EXPECT_EQ(app.canvas.Lines().front(), "clear");
}

TEST(CorrectionMenu, RedrawsSetsReadModeAndShowsTeisei) {
  TestApp app;
  FillGrid(app.state, 101300);
  app.state.field.grid.MarkStale();
  cntSyusei_Click(app.Context());
  EXPECT_EQ(app.canvas.Lines().front(), "clear");
  EXPECT_EQ(app.state.clickMode, ClickMode::Read);
  EXPECT_EQ(app.ui.windowEvents, (std::vector<std::string>{"show Teisei", "refresh Teisei"}));
  EXPECT_FALSE(app.state.field.grid.IsValid());  // shown as it is, not recomputed
  EXPECT_TRUE(app.ui.messages.empty());
}

TEST(ReliefMenu, StaleGridWithoutPressuresEndsWithTheMessage) {
  TestApp app;
  app.canvas.SetPicture(Picture{});
  cntRittai_Click(app.Context());
  ASSERT_EQ(app.ui.messages.size(), 1u);
  EXPECT_EQ(app.ui.messages[0].text, "気圧が入力されていません");
  EXPECT_TRUE(app.canvas.Lines().empty());
}

TEST(ReliefMenu, DrawsTheWholeReliefAndTheNextRedrawOrIsobarLoadRestoresTheMapView) {
  TestApp app;
  FillGrid(app.state, 101300);
  Picture picture;
  picture.width = 1;
  picture.height = 1;
  picture.pixels.assign(1, 0xFF000000u);
  app.canvas.SetPicture(picture);
  cntRittai_Click(app.Context());
  EXPECT_FALSE(app.canvas.HasPicture());
  EXPECT_EQ(app.canvas.Lines().front(), "clear");
  EXPECT_EQ(app.canvas.Lines()[1], "line 206 70 581 70 1 #0000FF");
  EXPECT_EQ(app.canvas.Scale(), ReliefView(app.state.field.grid));
  RedrawIsobarMap(app.Context());
  EXPECT_EQ(app.canvas.Scale(), app.state.view);

  cntRittai_Click(app.Context());
  app.ui.chooserAnswers.push_back(testing::TestDataPath("isobar_small.cnt"));
  LoadIsobarFile(app.Context());
  EXPECT_EQ(app.canvas.Scale(), app.state.view);
}

}  // namespace
}  // namespace nimbara
