#include "app/Alignment.h"

#include "app/SettingsCommands.h"
#include "core/BaseMap.h"

namespace nimbara {
namespace {

constexpr float kStep = 1.0f;  // one map unit per press

// The value of the map view a button changes, and by how much.
struct Adjustment {
  float MapView::*value;
  float step;
};

Adjustment AdjustmentOf(AlignButton button) {
  switch (button) {
    case AlignButton::Down: return {&MapView::top, kStep};
    case AlignButton::Up: return {&MapView::top, -kStep};
    case AlignButton::Left: return {&MapView::left, -kStep};
    case AlignButton::Right: return {&MapView::left, kStep};
    case AlignButton::NarrowerWidth: return {&MapView::width, -kStep};
    case AlignButton::WiderWidth: return {&MapView::width, kStep};
    case AlignButton::LowerHeight: return {&MapView::height, -kStep};
    case AlignButton::HigherHeight: return {&MapView::height, kStep};
  }
  return {&MapView::top, 0.0f};
}

}  // namespace

void OpenAlignmentWindow(const AppContext& app) {
  app.state.clickMode = ClickMode::Align;
  app.ui.ShowWindow(WindowId::FrmAdjust);
}

bool AdjustMapView(const AppContext& app, AlignButton button) {
  const MapView& scale = app.canvas.Scale();
  MapView view = app.state.view;
  const auto [value, step] = AdjustmentOf(button);
  // A move starts from the whole position the Canvas shows, a stretch from
  // the one extent it changes.
  if (value == &MapView::top || value == &MapView::left) {
    view.top = scale.top;
    view.left = scale.left;
  } else {
    view.*value = scale.*value;
  }
  view.*value += step;
  if (view.width == 0.0f || view.height == 0.0f) return false;
  app.state.view = view;
  ApplyMapView(app.canvas, view);
  ClearCanvas(app.canvas);
  DrawBaseMap(app.canvas, app.state.colours[ColourSlot::Map]);
  return true;
}

void AlignmentClosed(AppState& state) { state.clickMode = ClickMode::None; }

void CloseAlignmentWindow(const AppContext& app) {
  AlignmentClosed(app.state);
  WriteSettings(app.state);
  app.ui.HideWindow(WindowId::FrmAdjust);
}

}  // namespace nimbara
