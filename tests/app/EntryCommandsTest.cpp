#include "app/EntryCommands.h"

#include <gtest/gtest.h>

#include "support/TestApp.h"

namespace nimbara {
namespace {

TEST(EntryCommands, MenuCommandsMarkTheGridStaleAndShowTheirWindow) {
  testing::TestApp app;
  const std::pair<void (*)(const AppContext&), const char*> commands[] = {
      {cntTenki_Click, "show Tenki1"}, {cntSenpaku_Click, "show Kaiyou1"}, {cntGyogyou_Click, "show Gyogyou"}};
  for (const auto& [command, event] : commands) {
    app.state.field.grid.At(0, 0) = 101300;
    app.ui.windowEvents.clear();
    command(app.Context());
    EXPECT_EQ(app.state.field.grid.At(0, 0), 0);
    EXPECT_EQ(app.ui.windowEvents, (std::vector<std::string>{event}));
  }
}

// もどる keeps the date box only when it was typed into: an untouched box may
// still show a date that has changed since.
TEST(EntryCommands, BackKeepsATypedDateAndShowsItInEveryEntryWindow) {
  testing::TestApp app;
  app.state.store.observationDate = "6時";
  KeepObservationDate(app.Context(), std::nullopt);
  EXPECT_EQ(app.state.store.observationDate, "6時");
  EXPECT_TRUE(app.ui.windowEvents.empty());
  KeepObservationDate(app.Context(), "9時");
  EXPECT_EQ(app.state.store.observationDate, "9時");
  EXPECT_EQ(app.state.headerText, "9時");
  EXPECT_EQ(app.ui.windowEvents, (std::vector<std::string>{"refresh Tenki1", "refresh Kaiyou1", "refresh Gyogyou"}));
}

}  // namespace
}  // namespace nimbara
