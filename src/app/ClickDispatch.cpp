#include "app/ClickDispatch.h"

#include "app/IsobarCommands.h"
#include "pressure/PressureReadout.h"

namespace nimbara {

void Picture1_MouseDown(const AppContext& app, bool leftButton, double x, double y, const ClickHooks& hooks) {
  AppState& state = app.state;
  const std::string& mode = state.clickMode;
  if (mode == click::kNone) {
    ShowPressureAtClick(app.canvas, state.field.grid, x, y);
  } else if (mode == click::kSlideShow) {
    state.slideShowRunning = false;
    state.clickMode = click::kNone;
  } else if (mode == click::kAlign) {
    app.ui.BringForward(WindowId::FrmAdjust);
  } else if (mode == click::kRead || mode == click::kRaise || mode == click::kLower) {
    const std::optional<std::string> pressure = CorrectAtClick(app, leftButton, x, y);
    if (pressure && hooks.correctedPressure) hooks.correctedPressure(*pressure);
    app.ui.BringForward(WindowId::Teisei);
  } else if (mode == click::kNorthSouth || mode == click::kEastWest) {
    if (hooks.crossSection) hooks.crossSection(app, mode == click::kNorthSouth, x, y);
  }
}

}  // namespace nimbara
