#include "app/ColourWindow.h"

#include <algorithm>

#include "app/DisplayCommands.h"
#include "app/SettingsCommands.h"

namespace nimbara {

ColourWindow::ColourWindow(const ColourSlots& current) : m_samples(current) { SelectSlot(ColourSlot::Text); }

void ColourWindow::SelectSlot(ColourSlot slot) {
  if (NumberOf(slot) < 1 || NumberOf(slot) > kColourSlotCount) return;
  m_selected = slot;
  const Colour colour = m_samples[slot];
  m_sliders = {RedOf(colour), GreenOf(colour), BlueOf(colour)};
}

void ColourWindow::SetSliders(SliderValues values) {
  m_sliders = {std::clamp(values.red, 0, kSliderMax), std::clamp(values.green, 0, kSliderMax),
               std::clamp(values.blue, 0, kSliderMax)};
  m_samples[m_selected] = Rgb(m_sliders.red, m_sliders.green, m_sliders.blue);
}

void ColourWindow::Command3_Click() { m_samples.values = ColourSlots::StartupValues(); }

void ColourWindow::Command1_Click(const AppContext& app) const {
  AppState& state = app.state;
  state.colours = m_samples;
  state.selectedColourSlot = NumberOf(m_selected);
  app.canvas.SetForeColour(state.colours[ColourSlot::Text]);
  app.canvas.SetBackColour(state.colours[ColourSlot::Background]);
  cntDisplay_Click(app);
  WriteSettings(state);
}

}  // namespace nimbara
