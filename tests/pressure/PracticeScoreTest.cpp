#include "pressure/PracticeScore.h"

#include <gtest/gtest.h>

#include "io/DataFile.h"
#include "pressure/PracticeGeometry.h"
#include "support/Files.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

// A pressure rising eastwards by 1 hPa every 10 map units: its isobars are
// north-south lines at x = 10 × (value − 1000), every 4 hPa.
constexpr double kUnitsPerHectopascal = 10.0;
constexpr double kBasePressure = 1000.0;
constexpr double kAreaFrom = 12.0;
constexpr double kAreaTo = 384.0;

PracticeLine NorthSouthLine(double value, double from = kAreaFrom, double to = kAreaTo) {
  const double x = (value - kBasePressure) * kUnitsPerHectopascal;
  return {value, {{x, from}, {x, (from + to) / 2}, {x, to}}};
}

PracticeReference EastwardRise(std::vector<PracticeMark> centres = {}) {
  PracticeReference reference;
  for (double value = 1004; value <= 1036; value += 4) reference.isobars.push_back(NorthSouthLine(value));
  reference.pressureAt = [](PointF p) -> std::optional<double> {
    if (p.x < kAreaFrom || p.x > kAreaTo) return std::nullopt;
    return kBasePressure + p.x / kUnitsPerHectopascal;
  };
  reference.area = {kAreaFrom, kAreaFrom, kAreaTo, kAreaTo};
  reference.centres = std::move(centres);
  return reference;
}

// The analysis of the winter sample.
PracticeReference WinterGrid() {
  ObservationStore store;
  ApplyDataFile(ReadDataFile(std::string(NIMBARA_SAMPLES) + "/20240115_06.txt").contents, store);
  PlotPointTable plot;
  PressureField field;
  BuildPlotPoints(store, plot, field);
  return AnalysisPracticeReference(AnalysePressure(AnalysisObservations(store, plot)), 400.0f,
                                   TrueCentres(store, plot));
}

PracticeDrawing Shifted(PracticeDrawing drawing, double dx) {
  for (PracticeLine& line : drawing.lines)
    for (PointF& p : line.points) p.x += dx;
  return drawing;
}

PracticeDrawing Drawing(std::vector<PracticeLine> lines, std::vector<PracticeMark> marks = {}) {
  return {std::move(lines), std::move(marks)};
}

// Table rows print as their names.
template <typename Row>
  requires requires(const Row& row) { row.name; }
std::ostream& operator<<(std::ostream& out, const Row& row) {
  return out << row.name;
}

double MapUnitsFor(double km) { return km / *KilometresBetween({200, 200}, {201, 200}); }

struct ReferenceRow {
  const char* name;
  PracticeReference (*make)();
};

class PracticeShifts : public ::testing::TestWithParam<ReferenceRow> {};

TEST_P(PracticeShifts, TheAnswerScoresFullAndEachFartherCopyLess) {
  const PracticeReference reference = GetParam().make();
  ASSERT_FALSE(reference.isobars.empty());
  const PracticeDrawing answer = AnswerDrawing(reference);
  EXPECT_EQ(ScorePractice(answer, reference, {}).score, 100);
  int previous = 100;
  for (const double km : {10.0, 20.0, 40.0}) {
    const int score = ScorePractice(Shifted(answer, MapUnitsFor(km)), reference, {}).score;
    EXPECT_LT(score, previous) << km << " km";
    previous = score;
  }
}

INSTANTIATE_TEST_SUITE_P(References, PracticeShifts,
                         ::testing::Values(ReferenceRow{"NorthSouthLines", [] { return EastwardRise(); }},
                                           ReferenceRow{"WinterGrid", WinterGrid}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PracticeScore, DistanceIsMeasuredInKilometresThroughTheProjection) {
  const double units = MapUnitsFor(30.0);
  const PracticeDrawing drawing = Shifted(Drawing({NorthSouthLine(1012)}), units);
  const PracticeScore score = ScorePractice(drawing, EastwardRise(), {});
  ASSERT_TRUE(score.lines[0].meanDistanceKm);
  EXPECT_NEAR(*score.lines[0].meanDistanceKm, 30.0, 3.0);
}

struct CrossingRow {
  const char* name;
  PracticeLine other;
  bool crosses;
};

class PracticeCrossings : public ::testing::TestWithParam<CrossingRow> {};

TEST_P(PracticeCrossings, CrossingLinesAreNamedOnBoth) {
  const PracticeDrawing drawing = Drawing({NorthSouthLine(1012), GetParam().other});
  const PracticeScore score = ScorePractice(drawing, EastwardRise(), {});
  EXPECT_EQ(score.lines[0].crosses, GetParam().crosses ? std::vector<int>{1} : std::vector<int>{});
  EXPECT_EQ(score.lines[1].crosses, GetParam().crosses ? std::vector<int>{0} : std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, PracticeCrossings,
    ::testing::Values(CrossingRow{"Across", {1016, {{100, 150}, {140, 250}}}, true},
                      CrossingRow{"EndOnTheLine", {1016, {{120, 200}, {160, 200}}}, true},
                      CrossingRow{"Beside", NorthSouthLine(1016), false},
                      CrossingRow{"PastItsEnd", {1016, {{100, 390}, {140, 395}}}, false},
                      CrossingRow{"OfTheSameValue", {1012, {{100, 150}, {140, 250}}}, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct SideRow {
  const char* name;
  double lineValueAt;  // the 1008 line drawn where this value's line is
  PracticeStation station;
  bool wrong;
};

class PracticeWrongSide : public ::testing::TestWithParam<SideRow> {};

// The 1008 isobar runs at x = 80, lower pressure to the west.
TEST_P(PracticeWrongSide, StationsAgainstTheLineAreNamed) {
  PracticeLine line = NorthSouthLine(GetParam().lineValueAt);
  line.value = 1008;
  const std::vector<PracticeStation> stations{GetParam().station};
  const PracticeScore score = ScorePractice(Drawing({line}), EastwardRise(), stations);
  EXPECT_EQ(score.lines[0].wrongSideStations,
            GetParam().wrong ? std::vector<std::string>{GetParam().station.name} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Stations, PracticeWrongSide,
    ::testing::Values(SideRow{"LowStationWestOfTheTrueLine", 1008, {"西", {70, 200}, 1007}, false},
                      SideRow{"LowStationEastOfALineDrawnTooFarWest", 1006, {"西", {70, 200}, 1007}, true},
                      SideRow{"HighStationWestOfALineDrawnTooFarEast", 1010, {"東", {90, 200}, 1009}, true},
                      SideRow{"StationFarFromTheLine", 1004, {"遠く", {70, 200}, 1007}, false},
                      SideRow{"StationBeyondTheLinesEnd", 1006, {"北", {70, 5}, 1007}, false},
                      SideRow{"StationTheAnalysisAlsoDisagreesWith", 1006, {"西", {70, 200}, 1009}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PracticeScore, ALineOfAValueTheMapLacksIsNamedAndEarnsNothing) {
  const PracticeDrawing drawing = Drawing({NorthSouthLine(1012), NorthSouthLine(1014)});
  const PracticeScore score = ScorePractice(drawing, EastwardRise(), {});
  EXPECT_TRUE(score.lines[0].valueOnMap);
  EXPECT_FALSE(score.lines[1].valueOnMap);
  EXPECT_FALSE(score.lines[1].meanDistanceKm);
  EXPECT_LT(score.parts[0].earned, score.parts[0].most);
  EXPECT_EQ(ScorePractice(Drawing({NorthSouthLine(1014)}), EastwardRise(), {}).score, 0);
}

struct CentreRow {
  const char* name;
  PracticeMark mark;
  int found;
};

class PracticeCentres : public ::testing::TestWithParam<CentreRow> {};

TEST_P(PracticeCentres, AMarkWithinOneGridCellOfTheTrueCentreCounts) {
  const PracticeReference reference = EastwardRise({{CentreMarkKind::Low, {200, 200}}});
  const PracticeDrawing drawing = Drawing(AnswerDrawing(reference).lines, {GetParam().mark});
  const PracticeScore score = ScorePractice(drawing, reference, {});
  EXPECT_EQ(score.centresFound, GetParam().found);
  EXPECT_EQ(score.centresTotal, 1);
  EXPECT_EQ(score.score == 100, GetParam().found == 1);
}

INSTANTIATE_TEST_SUITE_P(Marks, PracticeCentres,
                         ::testing::Values(CentreRow{"OnIt", {CentreMarkKind::Low, {200, 200}}, 1},
                                           CentreRow{"OneCellOff", {CentreMarkKind::Low, {212, 188}}, 1},
                                           CentreRow{"BeyondOneCell", {CentreMarkKind::Low, {213, 200}}, 0},
                                           CentreRow{"WrongKind", {CentreMarkKind::High, {200, 200}}, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PracticeScore, TheExplanationNamesEveryPartAndTheMeanDistance) {
  const PracticeScore score =
      ScorePractice(Shifted(AnswerDrawing(EastwardRise()), MapUnitsFor(20)), EastwardRise(), {});
  ASSERT_EQ(score.parts.size(), 3u);
  for (const PracticeScorePart& part : score.parts) EXPECT_NE(score.explanation.find(part.name), std::string::npos);
  EXPECT_NE(score.explanation.find("平均のずれ 2"), std::string::npos) << score.explanation;
}

TEST(PracticeScore, AnEmptyDrawingScoresNothing) {
  EXPECT_EQ(ScorePractice({}, EastwardRise(), {}).score, 0);
}

}  // namespace
}  // namespace nimbara
