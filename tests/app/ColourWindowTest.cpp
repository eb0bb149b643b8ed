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
  colours[ColourSlot::Text] = Rgb(1, 2, 3);
  colours[ColourSlot::Background] = Rgb(128, 128, 128);
  return colours;
}

TEST(ColourWindow, OpensWithTheSlotColoursAndTheFirstSlotSelected) {
  const ColourWindow window(Custom());
  for (int slot = 1; slot <= kColourSlotCount; ++slot)
    EXPECT_EQ(window.Sample(ColourSlotNumbered(slot)), Custom()[ColourSlotNumbered(slot)]) << slot;
  EXPECT_EQ(window.SelectedSlot(), ColourSlot::Text);
  EXPECT_EQ(window.Sliders(), (SliderValues{1, 2, 3}));
}

TEST(ColourWindow, SelectingASlotSetsTheSlidersRedFromTheLowByte) {
  ColourWindow window(Custom());
  window.SelectSlot(ColourSlot::Map);
  EXPECT_EQ(window.Sliders(), (SliderValues{0, 0, 255}));
  window.SelectSlot(ColourSlot::WarmFront);
  EXPECT_EQ(window.Sliders(), (SliderValues{255, 0, 0}));
  window.SelectSlot(ColourSlot::Background);
  EXPECT_EQ(window.Sliders(), (SliderValues{128, 128, 128}));  // a grey: three equal sliders
}

TEST(ColourWindow, SlotNumbersOutsideTheTenAreIgnored) {
  ColourWindow window(Custom());
  window.SelectSlot(ColourSlot::Wind);
  window.SelectSlot(ColourSlotNumbered(0));
  window.SelectSlot(ColourSlotNumbered(11));
  EXPECT_EQ(window.SelectedSlot(), ColourSlot::Wind);
}

TEST(ColourWindow, EditsStayInTheWindowUntilOk) {
  TestApp app;
  app.state.colours = Custom();
  ColourWindow window(app.state.colours);
  window.SelectSlot(ColourSlot::Background);
  window.SetSliders({10, 20, 300});
  EXPECT_EQ(window.Sliders(), (SliderValues{10, 20, 255}));
  EXPECT_EQ(window.Sample(ColourSlot::Background), 10 + 20 * 256 + 255 * 65536);
  EXPECT_EQ(window.Sample(ColourSlot::Text), Rgb(1, 2, 3));
  window.Command3_Click();  // then キャンセル: the window is dropped
  EXPECT_EQ(app.state.colours, Custom());
  EXPECT_TRUE(app.canvas.Lines().empty());
}

TEST(ColourWindow, StartupColoursKeepSlidersAndSelection) {
  ColourWindow window(Custom());
  window.SelectSlot(ColourSlot::Background);
  window.SetSliders({-4, 5, 6});
  window.Command3_Click();
  for (int slot = 1; slot <= kColourSlotCount; ++slot)
    EXPECT_EQ(window.Sample(ColourSlotNumbered(slot)), ColourSlots{}[ColourSlotNumbered(slot)]) << slot;
  EXPECT_EQ(window.SelectedSlot(), ColourSlot::Background);
  EXPECT_EQ(window.Sliders(), (SliderValues{0, 5, 6}));
}

TEST(ColourWindow, OkAppliesRedrawsAndWritesTheSettingsFile) {
  TestApp app;
  app.state.layers = {false, false, false, false, false, true, false};
  app.state.settingsPath = ::testing::TempDir() + "colour_window_settings.ini";
  std::remove(app.state.settingsPath.c_str());
  ColourWindow window(app.state.colours);
  window.SelectSlot(ColourSlot::Background);
  window.SetSliders({0, 0, 0});
  window.SelectSlot(ColourSlot::Text);
  window.SetSliders({255, 255, 0});
  window.Command1_Click(app.Context());

  EXPECT_EQ(app.state.colours[ColourSlot::Background], kBlack);
  EXPECT_EQ(app.state.colours[ColourSlot::Text], Rgb(255, 255, 0));
  EXPECT_EQ(app.state.selectedColourSlot, NumberOf(ColourSlot::Text));
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
