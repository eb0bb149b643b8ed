#include "app/SlideShow.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "app/FileCommands.h"
#include "app/FileListing.h"
#include "app/IsobarCommands.h"
#include "app/PictureLoading.h"
#include "app/PracticeCommands.h"
#include "app/SavedObservations.h"
#include "core/Numbers.h"
#include "core/Text.h"
#include "io/FileIo.h"
#include "io/IsobarFile.h"

namespace nimbara {
namespace {

constexpr float kLongestPause = 10.0f;
constexpr const char* kDataFilePattern = "*.txt";
constexpr const char* kPracticeFilePattern = "*.practice.txt";
constexpr const char* kAllFilesPattern = "*.*";
constexpr const char* kPauseTitle = "表示時間の設定";
constexpr const char* kPauseDefault = "1";
constexpr const char* kPauseWarningTitle = "連続表示の注意";
constexpr const char* kPauseWarningText = "正しい数値を入力して下さい（０～１０）";

void OpenCont(const AppContext& app, SlideShowKind kind) {
  app.state.slideShowKind = kind;
  app.ui.ShowWindow(WindowId::Cont);
}

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The number an answer begins with, or nothing when it does not begin with one.
std::optional<double> LeadingNumber(const std::string& text) {
  std::size_t i = text.find_first_not_of(" \t");
  if (i == std::string::npos) return std::nullopt;
  if (text[i] == '+' || text[i] == '-') ++i;
  if (i < text.size() && text[i] == '.') ++i;
  if (i >= text.size() || !IsDigit(text[i])) return std::nullopt;
  return ReadNumber(text);
}

std::string PausePrompt(float pause) {
  return "表示する時間は" + ShortestDecimal(pause) + "秒ごとです。\r\n何秒間隔で表示しますか？\r\n（0から10）";
}

// Processes window events until the pause has passed or the run was stopped,
// then once more. A clock that went back (midnight) ends the wait.
void WaitAfterFile(const AppContext& app) {
  const double start = app.ui.TimeOfDaySeconds();
  const double until = start + app.state.slideShowPause;
  for (double now = app.ui.TimeOfDaySeconds(); now <= until && now >= start && app.state.slideShowRunning;
       now = app.ui.TimeOfDaySeconds())
    app.ui.ProcessEvents();
  app.ui.ProcessEvents();
}

void StartRun(AppState& state) {
  state.clickMode = ClickMode::SlideShow;
  state.slideShowRunning = true;
}

// A name of the current directory's file list as a full path; a full path stays.
std::string PathInCurrentDirectory(const std::string& name) {
  if (name.starts_with('/')) return name;
  const std::string folder = CurrentDirectory();
  return folder.ends_with('/') ? folder + name : folder + "/" + name;  // the root ends with "/" already
}

void LoadDataFile(const AppContext& app, const std::string& path) {
  app.state.currentFilePath = path;
  LoadSub2(app);
}

// The continuous run of the browse buttons: from `first` to the last file and
// round again, without a pause, until the running flag is cleared.
void BrowseRun(const AppContext& app, const std::vector<std::string>& files, std::size_t first) {
  StartRun(app.state);
  for (std::size_t k = first; app.state.slideShowRunning; k = (k + 1) % files.size()) {
    LoadDataFile(app, PathInCurrentDirectory(files[k]));
    app.ui.ProcessEvents();
  }
  StopSlideShow(app.state);
}

}  // namespace

void StopSlideShow(AppState& state) {
  state.slideShowRunning = false;
  if (state.clickMode == ClickMode::SlideShow) state.clickMode = ClickMode::None;
}

void mnuDataRenzoku_Click(const AppContext& app) {
  app.state.fullDataMode = true;
  OpenCont(app, SlideShowKind::DataFiles);
}

void mnuTenkiRenzoku_Click(const AppContext& app) {
  app.state.fullDataMode = false;
  OpenCont(app, SlideShowKind::DataFiles);
}

void cntRenzoku_Click(const AppContext& app) { OpenCont(app, SlideShowKind::IsobarFiles); }
void cntGRenzoku_Click(const AppContext& app) { OpenCont(app, SlideShowKind::Pictures); }
void mnuRenshuuRenzoku_Click(const AppContext& app) {
  app.state.fullDataMode = true;
  OpenCont(app, SlideShowKind::PracticeFiles);
}

std::string ContOptionPattern(SlideShowKind kind, int option) {
  static constexpr std::array<const char*, kContOptionCount> kPicturePatterns{"*.gif", "*.bmp", "*.jpg", "*.*"};
  if (kind == SlideShowKind::Pictures) return kPicturePatterns[static_cast<std::size_t>(std::clamp(option, 0, 3))];
  if (option != 2) return kAllFilesPattern;
  if (kind == SlideShowKind::PracticeFiles) return kPracticeFilePattern;
  return kind == SlideShowKind::IsobarFiles ? "*.cnt" : kDataFilePattern;
}

ContLayout ContLayoutForKind(SlideShowKind kind) {
  ContLayout layout;
  switch (kind) {
    case SlideShowKind::IsobarFiles:
      layout.caption = "等圧線連続表示";
      layout.options[2].caption = "*.cnt 等圧線ﾃﾞｰﾀ";
      layout.selectedOption = 2;
      break;
    case SlideShowKind::Pictures:
      layout.caption = "気象衛星画像の連続表示";
      layout.options[2].caption = "*.jpg";
      layout.selectedOption = 3;
      break;
    case SlideShowKind::PracticeFiles:
      layout.caption = "等圧線の練習の連続表示";
      layout.options[2].caption = "*.practice.txt 練習の図";
      layout.selectedOption = 2;
      break;
    case SlideShowKind::DataFiles:
      layout.caption = "天気図データ連続表示";
      layout.options[2].caption = "*.txt 観測ﾃﾞｰﾀ";
      layout.selectedOption = 2;
      break;
  }
  layout.options[0].visible = layout.options[1].visible = kind == SlideShowKind::Pictures;
  layout.pattern = ContOptionPattern(kind, layout.selectedOption);
  return layout;
}

void AskSlideShowPause(const AppContext& app) {
  for (;;) {
    const auto answer = app.ui.InputBox(kPauseTitle, PausePrompt(app.state.slideShowPause), kPauseDefault);
    if (!answer || answer->empty()) return;
    const std::optional<double> seconds = LeadingNumber(HalfWidthNumberText(*answer));
    if (seconds && *seconds >= 0.0 && *seconds <= kLongestPause) {
      app.state.slideShowPause = static_cast<float>(*seconds);
      return;
    }
    app.ui.Message(kPauseWarningTitle, kPauseWarningText, MessageIcon::Warning);
  }
}

void ShowSlide(const AppContext& app, const std::string& entry) {
  AppState& state = app.state;
  switch (state.slideShowKind) {
    case SlideShowKind::IsobarFiles:
      if (ReadIsobarFile(entry, state.store, state.plot, state.field.grid)) RedrawIsobarMap(app);
      break;
    case SlideShowKind::Pictures:
      LoadPictureFile(app.canvas, entry);
      break;
    case SlideShowKind::PracticeFiles:
      if (const std::string path = PathInCurrentDirectory(entry); FileExists(path)) ShowPracticeFile(app, path);
      break;
    case SlideShowKind::DataFiles:
      // The full path is what the settings file remembers as the last file.
      if (const std::string path = PathInCurrentDirectory(entry); FileExists(path)) LoadDataFile(app, path);
      break;
  }
}

SlideShowOutcome PlaySlideShow(const AppContext& app, const SlideShowList& list,
                               const std::function<bool()>& repeatChecked) {
  if (list.entries.size() < 2) return SlideShowOutcome::TooFewFiles;
  const std::size_t count = std::min(list.entries.size(), list.selected.size());
  if (std::find(list.selected.begin(), list.selected.begin() + static_cast<std::ptrdiff_t>(count), true) ==
      list.selected.begin() + static_cast<std::ptrdiff_t>(count)) {
    app.ui.Message(kEmptySelectionTitle, kEmptySelectionText, MessageIcon::Information);
    return SlideShowOutcome::NothingSelected;
  }

  if (app.state.slideShowKind == SlideShowKind::DataFiles && !MayReplaceObservations(app, kUnsavedBeforeSlideShow))
    return SlideShowOutcome::Stayed;
  app.ui.HideWindow(WindowId::Cont);
  StartRun(app.state);
  do {
    for (std::size_t i = 0; i < count && app.state.slideShowRunning; ++i) {
      if (!list.selected[i]) continue;
      ShowSlide(app, list.entries[i]);
      WaitAfterFile(app);
    }
  } while (app.state.slideShowRunning && repeatChecked());
  StopSlideShow(app.state);
  app.ui.ShowWindow(WindowId::Cont);
  return SlideShowOutcome::Played;
}

void cmdPlay_Click(const AppContext& app, BrowseButton button) {
  AppState& state = app.state;
  state.fullDataMode = true;
  state.slideShowRunning = false;
  const std::vector<std::string> files = ListFiles(CurrentDirectory(), kDataFilePattern);
  if (files.size() < 2) return;
  const std::size_t last = files.size() - 1;
  const auto found = std::find_if(files.begin(), files.end(), [&](const std::string& name) {
    return PathInCurrentDirectory(name) == state.currentFilePath;
  });
  const std::size_t current = found == files.end() ? 0 : static_cast<std::size_t>(found - files.begin());

  if (button == BrowseButton::Stop) {
    if (state.clickMode == ClickMode::SlideShow) state.clickMode = ClickMode::None;
    return;
  }
  // The file the button goes to: for a run, the first one it shows.
  std::optional<std::size_t> target;
  switch (button) {
    case BrowseButton::First:
      target = 0;
      break;
    case BrowseButton::Previous:
      if (current != 0) target = current - 1;
      break;
    case BrowseButton::Run:
      target = current == last ? 0 : current + 1;
      break;
    case BrowseButton::Next:
      if (current < last) target = current + 1;
      break;
    case BrowseButton::Last:
      target = last;
      break;
    case BrowseButton::Stop:
      break;
  }
  if (!target || !MayReplaceObservations(app, kUnsavedBeforeLoad)) return;
  if (button == BrowseButton::Run) BrowseRun(app, files, *target);
  else LoadDataFile(app, PathInCurrentDirectory(files[*target]));
}

void cmdFolder_Click(const AppContext& app) {
  if (!MayReplaceObservations(app, kUnsavedBeforeLoad)) return;
  app.state.fullDataMode = true;
  app.state.slideShowRunning = false;
  ChooseAndLoadDataFile(app);
}

}  // namespace nimbara
