#pragma once
// Whether the observations changed since they were last loaded or saved. The
// text they would be saved as is remembered at every load and save and
// compared at the end, so no command has to report that it changed them.

#include "app/AppContext.h"
#include "app/AppState.h"

namespace nimbara {

// A data file was just loaded or written from the observations as they stand.
void RememberSavedObservations(AppState& state);
// The observations differ from those last loaded or saved (or, never loaded
// nor saved, there are any).
bool ObservationsUnsaved(const AppState& state);

// The question before unsaved observations would be replaced.
struct UnsavedQuestion {
  const char* title;
  const char* question;
};
inline constexpr UnsavedQuestion kUnsavedBeforeLoad{
    "データファイル読み込み", "観測データが保存されていません。\r\n保存してから読み込みますか？"};
inline constexpr UnsavedQuestion kUnsavedBeforeSlideShow{
    "連続表示", "観測データが保存されていません。\r\n保存してから連続表示しますか？"};

// Before the observations are replaced (another data file, a slide show of
// data files, the browse buttons, the end): when they are unsaved, asks
// whether to save them. Yes saves as データファイル保存 does, No goes on,
// Cancel stays. False: stay (Cancel, or a save that did not happen).
bool MayReplaceObservations(const AppContext& app, const UnsavedQuestion& ask);

}  // namespace nimbara
