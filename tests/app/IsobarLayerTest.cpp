#include "app/IsobarLayer.h"

#include <gtest/gtest.h>

#include "support/TestApp.h"

namespace nimbara {
namespace {

using testing::TestApp;

const std::string kFewDataQuestion = "|データの数が少ないですが\r\n等圧線を描きますか";

void GiveStationPressures(AppState& state, int count) {
  for (int i = 0; i < count; ++i)
    state.store.stationRecords[i].pressure = 1000 + i;
}

bool AnyLine(const TestApp& app) {
  for (const std::string& line : app.canvas.Lines())
    if (line.rfind("line ", 0) == 0) return true;
  return false;
}

TEST(IsobarLayer, NoStationPressureShowsAMessageAndDrawsNothing) {
  TestApp app;
  app.state.store.ships[0].pressure = 1010;
  app.state.store.shipCount = 1;
  DrawIsobarLayer(app.Context());
  ASSERT_EQ(app.ui.messages.size(), 1u);
  EXPECT_EQ(app.ui.messages[0].title, "注　意");
  EXPECT_EQ(app.ui.messages[0].text, "気圧が入力されていません");
  EXPECT_TRUE(app.ui.questions.empty());
  EXPECT_TRUE(app.canvas.Lines().empty());
  EXPECT_FALSE(app.state.field.grid.IsValid());
}

TEST(IsobarLayer, FewerThanTwentyStationPressuresAskTwentyDrawWithoutAsking) {
  for (const auto& [count, answer] : {std::pair{19, false}, {19, true}, {20, false}}) {
    TestApp app;
    GiveStationPressures(app.state, count);
    app.state.store.systems[0] = {"高気圧", 40, 135, 1030};  // systems do not count
    app.state.store.systemCount = 1;
    app.ui.yesNoAnswers.push_back(answer);
    DrawIsobarLayer(app.Context());
    const bool asked = count < kEnoughStationPressures;
    EXPECT_EQ(app.ui.questions, asked ? std::vector<std::string>{kFewDataQuestion} : std::vector<std::string>{});
    EXPECT_EQ(app.state.field.grid.IsValid(), answer || !asked);
    EXPECT_EQ(AnyLine(app), answer || !asked);
    EXPECT_TRUE(app.ui.messages.empty());  // these fill the whole grid
  }
}

TEST(IsobarLayer, GridThatCannotBeCompletedSaysSoOnceAndStandsUntilTheNextChange) {
  TestApp app;
  GiveStationPressures(app.state, 1);
  app.ui.yesNoAnswers = {true, true};
  DrawIsobarLayer(app.Context());
  DrawIsobarLayer(app.Context());
  EXPECT_EQ(app.ui.questions.size(), 1u);
  ASSERT_EQ(app.ui.messages.size(), 1u);
  EXPECT_EQ(app.ui.messages[0].title, "注　意");
  EXPECT_EQ(app.ui.messages[0].text, "気圧のデータが少ないため、地図全体の気圧を計算できませんでした。");
  app.state.field.grid.MarkStale();
  DrawIsobarLayer(app.Context());
  EXPECT_EQ(app.ui.questions.size(), 2u);
}

TEST(IsobarLayer, ValidGridIsDrawnAsItIsAndStaleGridIsRecomputed) {
  TestApp app;
  GiveStationPressures(app.state, 30);
  app.state.field.grid.At(0, 0) = 101300;
  app.state.field.grid.At(5, 5) = 101100;
  for (const auto& [c, r] : {std::pair{6, 5}, {6, 6}, {5, 6}}) app.state.field.grid.At(c, r) = 101300;
  DrawIsobarLayer(app.Context());
  EXPECT_EQ(app.canvas.Lines(), std::vector<std::string>{"line 66 60 60 66 1 #0000FF"});
  app.state.field.grid.MarkStale();
  DrawIsobarLayer(app.Context());
  EXPECT_NE(app.state.field.grid.At(5, 5), 101100);
}

}  // namespace
}  // namespace nimbara
