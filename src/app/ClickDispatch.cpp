#include "app/ClickDispatch.h"

#include "app/IsobarCommands.h"
#include "render/PressureLabel.h"

namespace nimbara {

void Picture1_MouseDown(const AppContext& app, bool leftButton, double x, double y, const ClickHooks& hooks) {
  AppState& state = app.state;
  switch (state.clickMode) {
    case ClickMode::None:
      ShowPressureAtClick(app.canvas, state.field.grid, x, y);
      break;
    case ClickMode::SlideShow:
      state.slideShowRunning = false;
      state.clickMode = ClickMode::None;
      break;
    case ClickMode::Align:
      app.ui.BringForward(WindowId::FrmAdjust);
      break;
    case ClickMode::Read:
    case ClickMode::Raise:
    case ClickMode::Lower:
      if (const auto pressure = CorrectAtClick(app, leftButton, x, y); pressure && hooks.correctedPressure)
        hooks.correctedPressure(*pressure);
      app.ui.BringForward(WindowId::Teisei);
      break;
    case ClickMode::NorthSouth:
    case ClickMode::EastWest:
      if (hooks.crossSection) hooks.crossSection(app, state.clickMode == ClickMode::NorthSouth, x, y);
      break;
  }
}

}  // namespace nimbara
