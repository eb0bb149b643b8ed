#pragma once
// The alignment window frmAdjust without its widgets: the map is moved and
// stretched against the background picture one map unit (or ten) at a time,
// or set to typed values, and the whole map is drawn again after each change.

#include <string>
#include <string_view>

#include "app/AppContext.h"

namespace nimbara {

inline constexpr const char* kAdjustCaption = "画像と地図の位置調整";

inline constexpr float kAlignStep = 1.0f;        // one map unit per press
inline constexpr float kAlignLargeStep = 10.0f;  // with Ctrl held

// The window's buttons.
enum class AlignButton {
  Down,           // ↓: top + 1
  Left,           // ←: left - 1
  Right,          // →: left + 1
  Up,             // ↑: top - 1
  NarrowerWidth,  // 横の拡大率 縮小: width - 1
  WiderWidth,     // 横の拡大率 拡大: width + 1
  LowerHeight,    // 縦の拡大率 縮小: height - 1
  HigherHeight,   // 縦の拡大率 拡大: height + 1
};

// What one press adds to each value of the map view.
struct ViewStep {
  float top = 0.0f;
  float left = 0.0f;
  float width = 0.0f;
  float height = 0.0f;
  bool operator==(const ViewStep&) const = default;
};

ViewStep StepOf(AlignButton button, float size = kAlignStep);

// The keys the window takes. An arrow moves as its button does; with Shift it
// stretches as the 縮小/拡大 buttons laid out that way do (→ and ↑ 拡大, ← and
// ↓ 縮小); + and − stretch both ways at once (Shift, which some keyboards need
// to type +, changes nothing). Ctrl makes the step kAlignLargeStep.
enum class AlignKey { Up, Down, Left, Right, Plus, Minus };
ViewStep KeyStep(AlignKey key, bool shift, bool ctrl);

// 地図と画像の位置調整: click mode Align and the window shown (not modal).
void OpenAlignmentWindow(const AppContext& app);

// One step: the values it changes are read from the Canvas's scale into the
// map view (a move reads the whole position) and changed, then the whole map
// is drawn again as 天気図を表示する draws it. A change that would make the
// width or height 0 (no usable scale) is refused and changes nothing: false.
bool AdjustMapView(const AppContext& app, ViewStep step);

// The four values shown in the window as numbers that can be typed.
enum class ViewField {
  Top,     // 縦位置
  Left,    // 横位置
  Height,  // 縦拡大率
  Width,   // 横拡大率
};

// The value as the window shows it: "12", "-3", "400.5".
std::string ViewFieldText(const MapView& view, ViewField field);

// A typed value (full-width digits read as half-width ones, blanks around it
// ignored): applied and the whole map drawn again when the text is one number
// within the field's range (positions within ten map sizes either way,
// extents from 1 to ten map sizes); anything else changes nothing: false.
bool SetViewField(const AppContext& app, ViewField field, std::string_view text);

// はじめの位置: the start view (0, 0, 400, 400), and the whole map drawn again.
void ResetMapView(const AppContext& app);

// The window closed in any way: clicks on the map do their usual work again.
void AlignmentClosed(AppState& state);

// 閉じる: AlignmentClosed, then the settings file keeps the new view.
void CloseAlignmentWindow(const AppContext& app);

}  // namespace nimbara
