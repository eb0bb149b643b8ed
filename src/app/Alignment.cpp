#include "app/Alignment.h"

#include "app/SettingsCommands.h"
#include "core/BaseMap.h"

namespace nimbara {
namespace {

constexpr float kStep = 1.0f;  // one map unit per press

}  // namespace

void OpenAlignmentWindow(const AppContext& app) {
  app.state.clickMode = ClickMode::Align;
  app.ui.ShowWindow(WindowId::FrmAdjust);
}

bool AdjustMapView(const AppContext& app, AlignButton button) {
  const MapView& scale = app.canvas.Scale();
  MapView view = app.state.view;
  switch (button) {
    case AlignButton::Down:
    case AlignButton::Up:
    case AlignButton::Left:
    case AlignButton::Right:
      view.top = scale.top;
      view.left = scale.left;
      break;
    case AlignButton::NarrowerWidth:
    case AlignButton::WiderWidth:
      view.width = scale.width;
      break;
    case AlignButton::LowerHeight:
    case AlignButton::HigherHeight:
      view.height = scale.height;
      break;
  }
  switch (button) {
    case AlignButton::Down:
      view.top += kStep;
      break;
    case AlignButton::Left:
      view.left -= kStep;
      break;
    case AlignButton::Right:
      view.left += kStep;
      break;
    case AlignButton::Up:
      view.top -= kStep;
      break;
    case AlignButton::NarrowerWidth:
      view.width -= kStep;
      break;
    case AlignButton::WiderWidth:
      view.width += kStep;
      break;
    case AlignButton::LowerHeight:
      view.height -= kStep;
      break;
    case AlignButton::HigherHeight:
      view.height += kStep;
      break;
  }
  if (view.width == 0.0f || view.height == 0.0f) return false;
  app.state.view = view;
  ApplyMapView(app.canvas, view);
  ClearCanvas(app.canvas);
  DrawBaseMap(app.canvas, app.state.colours[kMapColour]);
  return true;
}

void AlignmentClosed(AppState& state) { state.clickMode = ClickMode::None; }

void CloseAlignmentWindow(const AppContext& app) {
  AlignmentClosed(app.state);
  WriteSettings(app.state);
  app.ui.HideWindow(WindowId::FrmAdjust);
}

}  // namespace nimbara
