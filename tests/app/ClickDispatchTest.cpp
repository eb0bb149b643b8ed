#include "app/ClickDispatch.h"

#include <gtest/gtest.h>

#include "support/TestApp.h"

namespace nimbara {
namespace {

using testing::TestApp;

// What a click did, for the table below.
struct Outcome {
  std::string modeAfter;
  bool drewSomething = false;
  std::vector<std::string> windowEvents;
  std::string crossSection;  // "V 120 80" / "H 120 80"
  bool stoppedRun = false;
};

Outcome Click(const std::string& mode, double x, double y) {
  TestApp app;
  app.state.clickMode = mode;
  app.state.slideShowRunning = true;
  app.state.field.grid.At(0, 0) = 101300;
  Outcome outcome;
  ClickHooks hooks;
  hooks.crossSection = [&](const AppContext&, bool northSouth, double cx, double cy) {
    outcome.crossSection =
        std::string(northSouth ? "V " : "H ") + std::to_string(int(cx)) + " " + std::to_string(int(cy));
  };
  Picture1_MouseDown(app.Context(), true, x, y, hooks);
  outcome.modeAfter = app.state.clickMode;
  outcome.drewSomething = !app.canvas.Lines().empty();
  outcome.windowEvents = app.ui.windowEvents;
  outcome.stoppedRun = !app.state.slideShowRunning;
  return outcome;
}

TEST(ClickDispatch, NoModeWritesThePressure) {
  const Outcome outcome = Click("", 5, 5);
  EXPECT_TRUE(outcome.drewSomething);
  EXPECT_TRUE(outcome.windowEvents.empty());
  EXPECT_FALSE(outcome.stoppedRun);
}

TEST(ClickDispatch, NoModeReadsTheNearestColumn) {
  TestApp app;
  app.state.field.grid.At(0, 0) = 101300;
  app.state.field.grid.At(1, 0) = 99850;
  Picture1_MouseDown(app.Context(), true, 5, 0, {});
  EXPECT_NE(app.canvas.Log().find(" 1013 hPa"), std::string::npos);
  app.canvas.ClearLog();
  Picture1_MouseDown(app.Context(), true, 6, 0, {});
  EXPECT_NE(app.canvas.Log().find(" 998.5 hPa"), std::string::npos);
}

TEST(ClickDispatch, NoModeOutsideTheMapDrawsNothing) { EXPECT_FALSE(Click("", 401, 200).drewSomething); }

TEST(ClickDispatch, SlideShowClickStopsTheRunAndDrawsNothing) {
  const Outcome outcome = Click("S", 100, 100);
  EXPECT_TRUE(outcome.stoppedRun);
  EXPECT_EQ(outcome.modeAfter, "");
  EXPECT_FALSE(outcome.drewSomething);
}

TEST(ClickDispatch, AlignmentModeOnlyBringsTheWindowBack) {
  const Outcome outcome = Click("A", 100, 100);
  EXPECT_EQ(outcome.windowEvents, std::vector<std::string>{"forward frmAdjust"});
  EXPECT_FALSE(outcome.drewSomething);
  EXPECT_EQ(outcome.modeAfter, "A");
}

TEST(ClickDispatch, CorrectionModesCorrectThenBringTheCorrectionWindowBack) {
  for (const char* mode : {"?", "+", "-"}) {
    const Outcome outcome = Click(mode, 100, 100);
    EXPECT_EQ(outcome.windowEvents.back(), "forward Teisei") << mode;
    EXPECT_EQ(outcome.modeAfter, mode);
  }
}

TEST(ClickDispatch, CorrectionReportsThePressureToTheWindow) {
  TestApp app;
  app.state.clickMode = "?";
  app.state.field.grid.At(0, 0) = 101300;
  std::string reported;
  ClickHooks hooks;
  hooks.correctedPressure = [&](const std::string& text) { reported = text; };
  Picture1_MouseDown(app.Context(), true, 1, 1, hooks);
  EXPECT_FALSE(reported.empty());
}

TEST(ClickDispatch, CrossSectionModesPassTheDirection) {
  EXPECT_EQ(Click("V", 120, 80).crossSection, "V 120 80");
  EXPECT_EQ(Click("H", 120, 80).crossSection, "H 120 80");
}

TEST(ClickDispatch, UnknownModeDoesNothing) {
  const Outcome outcome = Click("X", 100, 100);
  EXPECT_FALSE(outcome.drewSomething);
  EXPECT_TRUE(outcome.windowEvents.empty());
  EXPECT_TRUE(outcome.crossSection.empty());
  EXPECT_FALSE(outcome.stoppedRun);
}

}  // namespace
}  // namespace nimbara
