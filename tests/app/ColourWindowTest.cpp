#include "app/ColourWindow.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "io/SettingsFile.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

using testing::TestApp;

ColourSlots Custom() {
  ColourSlots colours;
  colours[kTextColour] = Rgb(1, 2, 3);
  colours[kBackgroundColour] = Rgb(128, 128, 128);
  return colours;
}

TEST(ColourWindow, OpensWithTheSlotColoursAndTheFirstSlotSelected) {
  const ColourWindow window(Custom());
  for (int slot = 1; slot <= kColourSlotCount; ++slot) EXPECT_EQ(window.Sample(slot), Custom()[slot]) << slot;
  EXPECT_EQ(window.SelectedSlot(), 1);
  EXPECT_EQ(window.Sliders(), (SliderValues{1, 2, 3}));
}

TEST(ColourWindow, SelectingASlotSetsTheSlidersRedFromTheLowByte) {
  ColourWindow window(Custom());
  window.SelectSlot(kMapColour);
  EXPECT_EQ(window.Sliders(), (SliderValues{0, 0, 255}));
  window.SelectSlot(kWarmFrontColour);
  EXPECT_EQ(window.Sliders(), (SliderValues{255, 0, 0}));
  window.SelectSlot(kBackgroundColour);
  EXPECT_EQ(window.Sliders(), (SliderValues{128, 128, 128}));  // a grey: three equal sliders
}

TEST(ColourWindow, SlotNumbersOutsideTheTenAreIgnored) {
  ColourWindow window(Custom());
  window.SelectSlot(kWindColour);
  window.SelectSlot(0);
  window.SelectSlot(11);
  EXPECT_EQ(window.SelectedSlot(), kWindColour);
}

TEST(ColourWindow, EditsStayInTheWindowUntilOk) {
  TestApp app;
  app.state.colours = Custom();
  ColourWindow window(app.state.colours);
  window.SelectSlot(kBackgroundColour);
  window.SetSliders({10, 20, 300});
  EXPECT_EQ(window.Sliders(), (SliderValues{10, 20, 255}));
  EXPECT_EQ(window.Sample(kBackgroundColour), 10 + 20 * 256 + 255 * 65536);
  EXPECT_EQ(window.Sample(kTextColour), Rgb(1, 2, 3));
  window.Command3_Click();  // then キャンセル: the window is dropped
  EXPECT_EQ(app.state.colours, Custom());
  EXPECT_TRUE(app.canvas.Lines().empty());
}

TEST(ColourWindow, StartupColoursKeepSlidersAndSelection) {
  ColourWindow window(Custom());
  window.SelectSlot(kBackgroundColour);
  window.SetSliders({-4, 5, 6});
  window.Command3_Click();
  for (int slot = 1; slot <= kColourSlotCount; ++slot) EXPECT_EQ(window.Sample(slot), ColourSlots{}[slot]) << slot;
  EXPECT_EQ(window.SelectedSlot(), kBackgroundColour);
  EXPECT_EQ(window.Sliders(), (SliderValues{0, 5, 6}));
}

TEST(ColourWindow, OkAppliesRedrawsAndWritesTheSettingsFile) {
  TestApp app;
  app.state.layers = {false, false, false, false, false, true, false};
  app.state.settingsPath = ::testing::TempDir() + "colour_window_settings.ini";
  std::remove(app.state.settingsPath.c_str());
  ColourWindow window(app.state.colours);
  window.SelectSlot(kBackgroundColour);
  window.SetSliders({0, 0, 0});
  window.SelectSlot(kTextColour);
  window.SetSliders({255, 255, 0});
  window.Command1_Click(app.Context());

  EXPECT_EQ(app.state.colours[kBackgroundColour], kBlack);
  EXPECT_EQ(app.state.colours[kTextColour], Rgb(255, 255, 0));
  EXPECT_EQ(app.state.selectedColourSlot, kTextColour);
  EXPECT_EQ(app.canvas.State().foreColour, Rgb(255, 255, 0));
  EXPECT_EQ(app.canvas.BackColour(), kBlack);
  EXPECT_EQ(app.canvas.Lines(), std::vector<std::string>{"clear"});

  Settings written;
  ASSERT_TRUE(ReadSettingsFile(app.state.settingsPath, written));
  EXPECT_EQ(written.colours, app.state.colours);
  std::remove(app.state.settingsPath.c_str());
}

}  // namespace
}  // namespace nimbara
