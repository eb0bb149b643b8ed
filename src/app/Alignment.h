#pragma once
// The alignment window frmAdjust without its widgets: the map is moved and
// stretched against the background picture one map unit at a time.

#include "app/AppContext.h"

namespace nimbara {

inline constexpr const char* kAdjustCaption = "画像と地図の位置調整";

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

// 地図と画像の位置調整: click mode Align and the window shown (not modal).
void OpenAlignmentWindow(const AppContext& app);

// One button: the value it changes is read from the Canvas's scale into the
// map view and changed by one map unit, then the view is applied and the base
// map drawn again on a cleared Canvas. A change that would make the width or
// height 0 (no usable scale) is refused and changes nothing: false.
bool AdjustMapView(const AppContext& app, AlignButton button);

// The window closed in any way: clicks on the map do their usual work again.
void AlignmentClosed(AppState& state);

// 閉じる: AlignmentClosed, then the settings file keeps the new view.
void CloseAlignmentWindow(const AppContext& app);

}  // namespace nimbara
