#pragma once
// The slide show of the window Cont (data files, isobar files or satellite
// pictures played one after another) and the main window's browse buttons
// that step through the data files of the current folder.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/AppContext.h"

namespace nimbara {

// The menu commands that open Cont: each sets the kind (and the data-file
// flavour where it names one) and shows the window.
void mnuDataRenzoku_Click(const AppContext& app);   // データファイル連続表示
void mnuTenkiRenzoku_Click(const AppContext& app);  // 気象観測（天気図）連続表示
void cntRenzoku_Click(const AppContext& app);       // 等圧線ファイル連続表示
void cntGRenzoku_Click(const AppContext& app);      // 気象衛星画像ファイル連続表示
// The practice window's 連続表示: pupils' drawings, each on its map with the answer.
void mnuRenshuuRenzoku_Click(const AppContext& app);

// What Cont shows for a kind when it opens.
inline constexpr int kContOptionCount = 4;
struct ContOption {
  bool visible = true;
  std::string caption;  // empty: the design caption stays
};
struct ContLayout {
  std::string caption;
  std::array<ContOption, kContOptionCount> options;
  int selectedOption = 3;
  std::string pattern;
};
ContLayout ContLayoutForKind(SlideShowKind kind);
// The pattern an option (0 to 3) chooses for a kind.
std::string ContOptionPattern(SlideShowKind kind, int option);

inline constexpr const char* kContLabel1 = "ファイルを複数選んで";
inline constexpr const char* kContLabel2 = "「連続表示」をクリックすると";
inline constexpr const char* kContLabel3 = "画像を連続で表示します。";
inline constexpr const char* kContLabel4 =
    "「Shifキー」や「Ctrlキー」を押しながらクリックすると\r\n複数のファイルを選択できます。";
inline constexpr const char* kContAllFilesCaption = "*.* すべてのﾌｧｲﾙ";

inline constexpr const char* kEmptySelectionTitle = "連続表示のファイル選択について";
inline constexpr const char* kEmptySelectionText =
    "ファイルを複数選択して下さい。\r\n\r\n「全ファイルを選択」のボタンを押すか、\r\n"
    "表示させたいファイルをクリックしてして下さい。\r\n\r\nShiftキーやCtrlキーを押しながらクリックすると\r\n"
    "ファイル選択が便利になります。";

// 時間設定: asks for the pause until the answer is a number from 0 to 10
// (full-width digits read as half-width ones) or the box is cancelled or left
// empty (pause unchanged).
void AskSlideShowPause(const AppContext& app);

// The file list of Cont: names in list order (opened relative to the current
// directory) and which of them are selected.
struct SlideShowList {
  std::vector<std::string> entries;
  std::vector<bool> selected;
};

// Stayed: a slide show of data files was cancelled at the question about the
// unsaved observations (app/SavedObservations.h).
enum class SlideShowOutcome { TooFewFiles, NothingSelected, Stayed, Played };

// 画像を連続表示: plays the selected entries with the pause after each,
// while the running flag stays on; `repeatChecked` (chkCont) is read after
// every pass. Cont is hidden during the run and shown again after it. A file
// that cannot be read is passed over.
SlideShowOutcome PlaySlideShow(const AppContext& app, const SlideShowList& list,
                               const std::function<bool()>& repeatChecked);

// Ends a slide show or browse run at its next check: the running flag off
// and the slide-show click mode ended.
void StopSlideShow(AppState& state);

// One file of the slide show, by the kind in the state. A data file becomes
// the current file path by its full path.
void ShowSlide(const AppContext& app, const std::string& entry);

// The browse buttons cmdPlay(0..5) on the data files ("*.txt") of the
// current directory: first, previous, stop, continuous run, next, last.
enum class BrowseButton { First, Previous, Stop, Run, Next, Last };
void cmdPlay_Click(const AppContext& app, BrowseButton button);
// フォルダやファイルを選択: a data file chosen and loaded; the browse buttons
// then work on its folder (the chooser makes it the current directory).
void cmdFolder_Click(const AppContext& app);

}  // namespace nimbara
