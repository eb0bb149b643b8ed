#include "app/Alignment.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

#include "app/DisplayCommands.h"
#include "app/SettingsCommands.h"
#include "core/Numbers.h"
#include "core/Text.h"

namespace nimbara {
namespace {

// How far a typed value may go: positions within ten map sizes either way,
// extents from one map unit to ten map sizes.
constexpr float kFarthestOffset = 10.0f * kMapSize;
constexpr float kSmallestExtent = 1.0f;

struct FieldRule {
  float MapView::*value;
  float low;
  float high;
};

FieldRule RuleOf(ViewField field) {
  switch (field) {
    case ViewField::Top: return {&MapView::top, -kFarthestOffset, kFarthestOffset};
    case ViewField::Left: return {&MapView::left, -kFarthestOffset, kFarthestOffset};
    case ViewField::Height: return {&MapView::height, kSmallestExtent, kFarthestOffset};
    case ViewField::Width: return {&MapView::width, kSmallestExtent, kFarthestOffset};
  }
  return {&MapView::top, 0.0f, 0.0f};
}

// The whole text as one number, or nothing.
// (strtod, not from_chars: the web edition's library has no floating-point
// from_chars.)
std::optional<float> TypedNumber(std::string_view text) {
  const std::string number = TrimSpaces(HalfWidthNumberText(text));
  if (number.empty()) return std::nullopt;
  char* stop = nullptr;
  const double value = std::strtod(number.c_str(), &stop);
  if (stop != number.c_str() + number.size() || !(std::fabs(value) <= std::numeric_limits<float>::max()))
    return std::nullopt;
  return static_cast<float>(value);
}

// The picture is matched against everything the map shows, so each change
// draws the whole map, as the display command does.
void ShowView(const AppContext& app, const MapView& view) {
  app.state.view = view;
  cntDisplay_Click(app);
}

}  // namespace

ViewStep StepOf(AlignButton button, float size) {
  switch (button) {
    case AlignButton::Down: return {.top = size};
    case AlignButton::Up: return {.top = -size};
    case AlignButton::Left: return {.left = -size};
    case AlignButton::Right: return {.left = size};
    case AlignButton::NarrowerWidth: return {.width = -size};
    case AlignButton::WiderWidth: return {.width = size};
    case AlignButton::LowerHeight: return {.height = -size};
    case AlignButton::HigherHeight: return {.height = size};
  }
  return {};
}

ViewStep KeyStep(AlignKey key, bool shift, bool ctrl) {
  const float size = ctrl ? kAlignLargeStep : kAlignStep;
  switch (key) {
    case AlignKey::Up: return StepOf(shift ? AlignButton::HigherHeight : AlignButton::Up, size);
    case AlignKey::Down: return StepOf(shift ? AlignButton::LowerHeight : AlignButton::Down, size);
    case AlignKey::Left: return StepOf(shift ? AlignButton::NarrowerWidth : AlignButton::Left, size);
    case AlignKey::Right: return StepOf(shift ? AlignButton::WiderWidth : AlignButton::Right, size);
    case AlignKey::Plus: return {.width = size, .height = size};
    case AlignKey::Minus: return {.width = -size, .height = -size};
  }
  return {};
}

void OpenAlignmentWindow(const AppContext& app) {
  app.state.clickMode = ClickMode::Align;
  app.ui.ShowWindow(WindowId::FrmAdjust);
}

bool AdjustMapView(const AppContext& app, ViewStep step) {
  const MapView& scale = app.canvas.Scale();
  MapView view = app.state.view;
  // A move starts from the whole position the Canvas shows, a stretch from
  // the extent it changes.
  if (step.top != 0.0f || step.left != 0.0f) {
    view.top = scale.top + step.top;
    view.left = scale.left + step.left;
  }
  if (step.width != 0.0f) view.width = scale.width + step.width;
  if (step.height != 0.0f) view.height = scale.height + step.height;
  if (view.width == 0.0f || view.height == 0.0f) return false;
  ShowView(app, view);
  return true;
}

std::string ViewFieldText(const MapView& view, ViewField field) { return ShortestDecimal(view.*RuleOf(field).value); }

bool SetViewField(const AppContext& app, ViewField field, std::string_view text) {
  const FieldRule rule = RuleOf(field);
  const std::optional<float> value = TypedNumber(text);
  if (!value || *value < rule.low || *value > rule.high) return false;
  MapView view = app.state.view;
  view.*rule.value = *value;
  ShowView(app, view);
  return true;
}

void ResetMapView(const AppContext& app) { ShowView(app, MapView{}); }

void AlignmentClosed(AppState& state) { state.clickMode = ClickMode::None; }

void CloseAlignmentWindow(const AppContext& app) {
  AlignmentClosed(app.state);
  WriteSettings(app.state);
  app.ui.HideWindow(WindowId::FrmAdjust);
}

}  // namespace nimbara
