#include "app/PracticeCommands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/DisplayCommands.h"
#include "app/FileCommands.h"
#include "app/PracticeReport.h"
#include "io/PracticeFile.h"
#include "render/PracticeLayer.h"
#include "support/TempFolder.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

struct StrokeRow {
  const char* name;
  Path stroke;
  std::optional<Path> kept;  // nothing: no line added
};

std::ostream& operator<<(std::ostream& out, const StrokeRow& row) { return out << row.name; }

class PracticeStrokes : public ::testing::TestWithParam<StrokeRow> {};

TEST_P(PracticeStrokes, AStrokeBecomesALineOfTheChosenValue) {
  AppState state;
  state.practice.value = 1016;
  EXPECT_EQ(AddPracticeLine(state, GetParam().stroke), GetParam().kept.has_value());
  if (!GetParam().kept) {
    EXPECT_TRUE(state.practice.drawing.lines.empty());
    return;
  }
  ASSERT_EQ(state.practice.drawing.lines.size(), 1u);
  EXPECT_EQ(state.practice.drawing.lines[0], (PracticeLine{1016, *GetParam().kept}));
}

INSTANTIATE_TEST_SUITE_P(
    Strokes, PracticeStrokes,
    ::testing::Values(StrokeRow{"PointsKeptToOneDecimal", {{10.04, 20.06}, {15.55, 20}}, Path{{10, 20.1}, {15.6, 20}}},
                      StrokeRow{"CrowdedPointsDropped", {{10, 10}, {10.5, 10}, {11, 10}, {14, 10}},
                                Path{{10, 10}, {11, 10}, {14, 10}}},
                      StrokeRow{"AClickIsNoLine", {{10, 10}}, std::nullopt},
                      StrokeRow{"ASlipIsNoLine", {{10, 10}, {11.5, 10}, {12, 10}}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PracticeCommands, LinesAreErasedOneByOneAndEveryChangeUndone) {
  AppState state;
  state.practice.value = 1012;
  ASSERT_TRUE(AddPracticeLine(state, {{10, 10}, {10, 100}}));
  state.practice.value = 1016;
  ASSERT_TRUE(AddPracticeLine(state, {{50, 10}, {50, 100}}));
  AddPracticeMark(state, CentreMarkKind::High, {80, 80});
  const PracticeDrawing full = state.practice.drawing;

  EXPECT_FALSE(ErasePracticeLineAt(state, {30, 50}));  // 20 units from each
  ASSERT_TRUE(ErasePracticeLineAt(state, {45, 50}));
  ASSERT_EQ(state.practice.drawing.lines.size(), 1u);
  EXPECT_EQ(state.practice.drawing.lines[0].value, 1012);

  ASSERT_TRUE(UndoPractice(state));
  EXPECT_EQ(state.practice.drawing, full);
  for (int change = 0; change < 3; ++change) ASSERT_TRUE(UndoPractice(state));
  EXPECT_TRUE(state.practice.drawing.Empty());
  EXPECT_FALSE(UndoPractice(state));
}

class PracticeOnSampleMap : public ::testing::Test {
 protected:
  void SetUp() override {
    m_data = m_folder.File("20240115_06.txt");
    std::filesystem::copy_file(std::string(NIMBARA_SAMPLES) + "/20240115_06.txt", m_data);
    ASSERT_TRUE(OpenDataFile(m_app.Context(), m_data));
    m_app.ui.yesNoAnswers.push_back(true);
    m_app.canvas.ClearLog();
    ASSERT_TRUE(StartPractice(m_app.Context()));
  }
  testing::TempFolder m_folder;
  testing::TestApp m_app;
  std::string m_data;
};

TEST_F(PracticeOnSampleMap, StartsNearTheMeanPressureOnTheMapWithItsIsobarsSwitchedOff) {
  EXPECT_EQ(std::fmod(m_app.state.practice.value, PracticeValueStep(m_app.state)), 0.0);
  EXPECT_NEAR(m_app.state.practice.value, 1012, 12);
  const std::vector<std::string> practiceMap = m_app.canvas.Lines();
  m_app.canvas.ClearLog();
  LayerSwitches withoutIsobars = m_app.state.layers;
  withoutIsobars.isobars = false;
  DrawLayers(m_app.Context(), withoutIsobars);
  EXPECT_EQ(practiceMap, m_app.canvas.Lines());
}

TEST_F(PracticeOnSampleMap, CheckingTheAnswerItselfScoresFullAndShowsTheAnswer) {
  m_app.state.practice.drawing = AnswerDrawing(CurrentPracticeReference(m_app.state));
  const std::optional<PracticeScore> score = CheckPractice(m_app.Context());
  ASSERT_TRUE(score);
  EXPECT_EQ(score->score, 100);
  EXPECT_TRUE(m_app.state.practice.answerShown);
  const auto& log = m_app.canvas.Lines();
  EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const std::string& line) {
    return line.starts_with("polyline 1 #E60078");
  }));
}

TEST_F(PracticeOnSampleMap, TheDrawingIsKeptBesideTheDataFile) {
  ASSERT_TRUE(AddPracticeLine(m_app.state, {{100, 100}, {150, 120}}));
  AddPracticeMark(m_app.state, CentreMarkKind::Low, {200, 210});
  const PracticeDrawing drawn = m_app.state.practice.drawing;
  ASSERT_TRUE(SavePractice(m_app.Context()));
  EXPECT_TRUE(FileExists(m_folder.File("20240115_06.practice.txt")));
  m_app.state.practice.drawing = {};
  ASSERT_TRUE(LoadPractice(m_app.Context()));
  EXPECT_EQ(m_app.state.practice.drawing, drawn);
}

TEST(PracticeCommands, WithoutADataFileThereIsNowhereToKeepTheDrawing) {
  testing::TestApp app;
  EXPECT_FALSE(SavePractice(app.Context()));
  EXPECT_FALSE(LoadPractice(app.Context()));
  ASSERT_EQ(app.ui.messages.size(), 2u);
  EXPECT_EQ(app.ui.messages[0].text, kNoDataFileForPractice);
}

TEST(PracticeReport, OneTabSeparatedRowPerDrawing) {
  PracticeScore score;
  score.score = 73;
  score.centresFound = 1;
  score.centresTotal = 2;
  score.lines = {{1012, true, 12.4, {}, {}}, {1016, true, 30.6, {0}, {"札幌", "根室"}}, {1013, false, {}, {}, {}}};
  EXPECT_EQ(PracticeScoreRow("a.practice.txt", score),
            "a.practice.txt\t73\t1/2\t1012:12km\t1016:31km:交差:逆側=札幌・根室\t1013:答えになし");
  const std::vector<std::string> lines = PracticeReportLines(score);
  EXPECT_EQ(lines.front(), "点数 73点");
  EXPECT_EQ(lines.back(), "3本目 1013hPa：答えにこの気圧の等圧線はありません");
  EXPECT_EQ(lines[lines.size() - 2], "2本目 1016hPa：ずれ 31km、ほかの線と交わっています、反対側の観測点 札幌・根室");
}

}  // namespace
}  // namespace nimbara
