#include "app/ClickDispatch.h"

#include <gtest/gtest.h>

#include "support/TestApp.h"

namespace nimbara {
namespace {

using testing::TestApp;

// Each click mode does its own work and nothing else.
TEST(ClickDispatch, EachModeDoesItsWork) {
  const struct {
    ClickMode mode;
    double x, y;
    bool draws;
    const char* lastWindowEvent;  // empty: none
    const char* crossSection;     // "V x y" / "H x y", empty: none
    bool stopsRun;
    ClickMode after;
  } cases[] = {
      {ClickMode::None, 5, 5, true, "", "", false, ClickMode::None},
      {ClickMode::None, 401, 200, false, "", "", false, ClickMode::None},  // outside the map
      {ClickMode::SlideShow, 100, 100, false, "", "", true, ClickMode::None},
      {ClickMode::Align, 100, 100, false, "forward frmAdjust", "", false, ClickMode::Align},
      {ClickMode::Read, 100, 100, false, "forward Teisei", "", false, ClickMode::Read},
      {ClickMode::Raise, 100, 100, true, "forward Teisei", "", false, ClickMode::Raise},
      {ClickMode::Lower, 100, 100, true, "forward Teisei", "", false, ClickMode::Lower},
      {ClickMode::NorthSouth, 120, 80, false, "", "V 120 80", false, ClickMode::NorthSouth},
      {ClickMode::EastWest, 120, 80, false, "", "H 120 80", false, ClickMode::EastWest},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.mode));
    TestApp app;
    app.state.clickMode = c.mode;
    app.state.slideShowRunning = true;
    app.state.field.grid.At(0, 0) = 101300;
    std::string crossSection;
    ClickHooks hooks;
    hooks.crossSection = [&](const AppContext&, bool northSouth, double cx, double cy) {
      crossSection = std::string(northSouth ? "V " : "H ") + std::to_string(int(cx)) + " " + std::to_string(int(cy));
    };
    Picture1_MouseDown(app.Context(), true, c.x, c.y, hooks);
    EXPECT_EQ(!app.canvas.Lines().empty(), c.draws);
    EXPECT_EQ(app.ui.windowEvents.empty() ? "" : app.ui.windowEvents.back(), c.lastWindowEvent);
    EXPECT_EQ(crossSection, c.crossSection);
    EXPECT_EQ(!app.state.slideShowRunning, c.stopsRun);
    EXPECT_EQ(app.state.clickMode, c.after);
  }
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

TEST(ClickDispatch, CorrectionReportsThePressureToTheWindow) {
  TestApp app;
  app.state.clickMode = ClickMode::Read;
  app.state.field.grid.At(0, 0) = 101300;
  std::string reported;
  ClickHooks hooks;
  hooks.correctedPressure = [&](const std::string& text) { reported = text; };
  Picture1_MouseDown(app.Context(), true, 1, 1, hooks);
  EXPECT_EQ(reported, "1013");
}

}  // namespace
}  // namespace nimbara
