// The web edition's entry points: what the page's buttons run. Each one runs
// the same Qt-free command as the desktop's menu item, on one state, one map
// drawn both on the page's canvases and into the drawing log, and the page's Ui.

#include <emscripten.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/Dictation.h"
#include "app/DictationCursor.h"
#include "app/DisplayCommands.h"
#include "app/EntryCommands.h"
#include "app/FileCommands.h"
#include "app/ImageCommands.h"
#include "app/MapOutput.h"
#include "app/PasteCommands.h"
#include "app/SavedObservations.h"
#include "app/StartUp.h"
#include "io/Cp932.h"
#include "io/FileNames.h"
#include "render/BaseMap.h"
#include "render/RecordingCanvas.h"
#include "render/TeeCanvas.h"
#include "web/HtmlCanvas.h"
#include "web/PageContext.h"
#include "web/PageFiles.h"
#include "web/PageFolder.h"
#include "web/PageTransfers.h"
#include "web/PageUi.h"
#include "web/PicturePixels.h"
#include "web/QuickLines.h"
#include "web/SessionSnapshot.h"

namespace nimbara {
namespace {

// The drawing log of the map as it stands: clearing the map starts it afresh.
class MapLog : public RecordingCanvas {
 protected:
  void DoClear() override {
    ClearLog();
    RecordingCanvas::DoClear();
  }
};

struct WebSession {
  AppState state;
  HtmlCanvas map;
  MapLog log;
  TeeCanvas canvas{map, log};
  PageUi ui;
  // The station cursor of the radio dictation: where its next line goes.
  DictationCursor station;
  std::string linesReason;  // why the quick line's first line was not read

  AppContext Context() { return {state, canvas, ui}; }
};

WebSession& Session() {
  static WebSession session;
  return session;
}

// Runs a command whose file chooser answers with `path`.
void WithChosenPath(const char* path, void (*command)(const AppContext&)) {
  WebSession& session = Session();
  session.ui.chosenPath = path;
  command(session.Context());
  session.ui.chosenPath.reset();
}

// The switches of 表示の設定 in the order of the page's bits.
using SwitchCommand = void (*)(const AppContext&);
constexpr std::array<SwitchCommand, 7> kSwitchCommands = {
    cntTizu_Click, cntTouatu2_Click, cntKigou_Click, cntHuuryoku_Click, cntZensen_Click, cntAllData_Click,
    cntZoomUp_Click};

// Hands a text to the page, which copies it before its next call.
const char* ToPage(std::string text) {
  static std::string kept;
  kept = std::move(text);
  return kept.c_str();
}

int SwitchBits(const LayerSwitches& layers) {
  const std::array<bool, kSwitchCommands.size()> on = {
      layers.map, layers.isobars, layers.weather, layers.wind, layers.fronts, layers.allData, layers.zoomUp};
  int bits = 0;
  for (std::size_t i = 0; i < on.size(); ++i)
    if (on[i]) bits |= 1 << i;
  return bits;
}

std::string DictatedStationRows(const ObservationStore& store) {
  std::string table;
  for (int slot = 0; slot < kDictatedStationCount; ++slot) {
    const TableCells cells = StationCells(store, slot);
    for (std::size_t i = 0; i < cells.size(); ++i) table += (i == 0 ? "" : "\t") + cells[i];
    table += '\n';
  }
  return table;
}

}  // namespace

AppContext PageContext() { return Session().Context(); }

}  // namespace nimbara

using namespace nimbara;

extern "C" {

// The start every edition makes, then the map without data.
EMSCRIPTEN_KEEPALIVE void nimbara_start() {
  const AppContext app = Session().Context();
  StartSession(app);
  DrawEmptyMap(app);
  RememberSavedObservations(app.state);
}

// データの貼り付け of a text (a station bulletin, a systems bulletin or the
// broadcast's manuscript), with the desktop's report of what it read.
EMSCRIPTEN_KEEPALIVE void nimbara_paste(const char* utf8Text) {
  WebSession& session = Session();
  ShowPasteReport(session.ui, ImportBulletinText(session.Context(), utf8Text), session.state.store);
}

EMSCRIPTEN_KEEPALIVE void nimbara_display() { cntDisplay_Click(Session().Context()); }

// Runs switch `index` of 表示の設定.
EMSCRIPTEN_KEEPALIVE void nimbara_switch(int index) {
  if (index >= 0 && index < static_cast<int>(kSwitchCommands.size())) kSwitchCommands[index](Session().Context());
}

// The switches of 表示の設定, one bit each in the order of nimbara_switch.
EMSCRIPTEN_KEEPALIVE int nimbara_switches() { return SwitchBits(Session().state.layers); }

// The files the person chose for データファイル読みこみ, which the page has
// written into the open folder: archives unpacked, and the names of the
// pictures the page decodes before nimbara_open_data, a line each.
EMSCRIPTEN_KEEPALIVE const char* nimbara_unpack_chosen() {
  std::string names;
  for (const std::string& name : UnpackChosenFiles()) names += name + '\n';
  return ToPage(names);
}

// データファイル読みこみ of the chosen data file, with the pictures beside it that
// the page has decoded. 1 when it was opened.
EMSCRIPTEN_KEEPALIVE int nimbara_open_data() {
  const bool opened = OpenChosenDataFile(Session().Context());
  Session().map.ForgetDecodedPictures();
  EmptyFolder(kOpenFolder);
  return opened;
}

// データファイル保存 (full) or 気象観測ファイル保存 under the name typed as
// 保存する名前. Gives the path of the one file to download ("" when nothing
// was saved): the data file, or the archive of it and the files beside it.
EMSCRIPTEN_KEEPALIVE const char* nimbara_save_data(const char* typedName, int full) {
  WebSession& session = Session();
  EmptyFolder(kSaveFolder);
  const std::string name = TypedSaveName(typedName);
  {
    FolderVisit visit(kSaveFolder);
    WithChosenPath(name.c_str(), full ? cntSave_Click : cntKSave_Click);
  }
  return ToPage(PackSavedFiles(session.ui, DataFileName(name)).value_or(""));
}

// A picture file the browser has decoded: `rgba` holds width × height pixels
// of four bytes each. The next opening command may load it.
EMSCRIPTEN_KEEPALIVE void nimbara_add_picture(const char* path, int width, int height, const std::uint8_t* rgba) {
  Session().map.AddDecodedPicture(path, PictureFromRgba(width, height, rgba));
}

// 気象衛星画像ファイル読みこみ of a picture the page has written into the open
// folder and decoded.
EMSCRIPTEN_KEEPALIVE void nimbara_open_picture(const char* name) {
  {
    FolderVisit visit(kOpenFolder);
    WithChosenPath(name, cntHimawari_Click);
  }
  Session().map.ForgetDecodedPictures();
  EmptyFolder(kOpenFolder);
}

// 気象衛星画像の表示を消す.
EMSCRIPTEN_KEEPALIVE void nimbara_clear_picture() { cntClsBMP_Click(Session().Context()); }

// The drawing log of the map shown, in the format of `nimbara render --ops`.
EMSCRIPTEN_KEEPALIVE const char* nimbara_drawing_log() { return ToPage(Session().log.Log()); }

// CP932 bytes (a bulletin or data file) as UTF-8 text.
EMSCRIPTEN_KEEPALIVE const char* nimbara_decode_cp932(const char* bytes, int length) {
  return ToPage(DecodeCp932({bytes, static_cast<std::size_t>(length)}).text);
}

// The observation-date text, which the page shows under the map and in the
// dictation's date box.
EMSCRIPTEN_KEEPALIVE const char* nimbara_title() { return ToPage(MapTitle(Session().state)); }

// As ラジオの気象通報から入力 opens: the store takes the date its date box
// starts with (today at the broadcast's hour until a station holds a report),
// and the cursor stands on the first station without a report.
EMSCRIPTEN_KEEPALIVE void nimbara_open_dictation(int year, int month, int day) {
  WebSession& session = Session();
  KeepObservationDate(session.Context(), DictationDateText(session.state.store, year, month, day));
  session.station.Open(session.state.store);
}

// The date typed into the dictation's date box.
EMSCRIPTEN_KEEPALIVE void nimbara_keep_date(const char* text) {
  KeepObservationDate(Session().Context(), std::string(text));
}

// ⏎ on the dictation's station line: the line goes to the station under the
// cursor, which then moves on (app/DictationCursor.h). Gives why the line was
// not read, or the question a line that would replace a report waits with
// ("" when it was read).
EMSCRIPTEN_KEEPALIVE const char* nimbara_station_line(const char* line) {
  WebSession& session = Session();
  return ToPage(session.station.Enter(session.Context(), line).reason);
}

// Text arriving in the station line at once, its lines entered as ⏎ enters
// each (QuickLines.h). Gives what stays in the line; nimbara_lines_reason why
// its first line was not read.
EMSCRIPTEN_KEEPALIVE const char* nimbara_station_lines(const char* text) {
  QuickLinesOutcome outcome =
      EnterQuickLines(text, [](std::string_view line) { return std::string(nimbara_station_line(std::string(line).c_str())); });
  Session().linesReason = std::move(outcome.reason);
  return ToPage(std::move(outcome.kept));
}

EMSCRIPTEN_KEEPALIVE const char* nimbara_lines_reason() { return ToPage(Session().linesReason); }

EMSCRIPTEN_KEEPALIVE int nimbara_station() { return Session().station.Station(); }

EMSCRIPTEN_KEEPALIVE int nimbara_stations_done() { return Session().station.StationsDone(); }

// The cursor to station `slot` (kept within the list), as ↑ and ↓ move it.
EMSCRIPTEN_KEEPALIVE void nimbara_move_station(int slot) { Session().station.MoveTo(slot); }

// The dictated stations as the dictation's table shows them: a line each,
// 地名, 風向, 風力, 天気, 気圧 and 気温 between tabs.
EMSCRIPTEN_KEEPALIVE const char* nimbara_station_table() {
  return ToPage(DictatedStationRows(Session().state.store));
}

// The observations differ from those last loaded or saved.
EMSCRIPTEN_KEEPALIVE int nimbara_unsaved() { return ObservationsUnsaved(Session().state); }

// The session as the page keeps it in the browser's session storage.
EMSCRIPTEN_KEEPALIVE const char* nimbara_snapshot() { return ToPage(SnapshotText(Session().state)); }

// A session kept by the page brought back after a reload, the map drawn
// again in its view (the page then displays it as it was). 1 when restored.
EMSCRIPTEN_KEEPALIVE int nimbara_restore(const char* snapshot) {
  WebSession& session = Session();
  if (!RestoreSnapshot(session.state, snapshot)) return 0;
  ApplyMapView(session.canvas, session.state.view);
  session.canvas.SetBackColour(session.state.colours[ColourSlot::Background]);
  session.canvas.Clear();
  DrawEmptyMap(session.Context());
  return 1;
}

// What 保存する名前 shows: the name of the file last opened or saved.
EMSCRIPTEN_KEEPALIVE const char* nimbara_save_name() {
  return ToPage(SuggestedSaveName(Session().state.currentFilePath));
}

// The name the map's PNG downloads as, for a typed 保存する名前.
EMSCRIPTEN_KEEPALIVE const char* nimbara_png_name(const char* typedName) { return ToPage(PngDownloadName(typedName)); }

// The file types the choosers of データファイルを開く (0) and 気象衛星画像を開く
// (1) list, as an HTML file input's `accept`.
EMSCRIPTEN_KEEPALIVE const char* nimbara_accepted_types(int picture) {
  return ToPage(AcceptedTypes(picture ? OpenKind::Picture : OpenKind::DataFile));
}

// Where the page writes the files the person chose.
EMSCRIPTEN_KEEPALIVE const char* nimbara_open_folder() { return kOpenFolder; }

// The picture under the map for the page to keep: its width and height
// (0 without one), then its pixels as RGBA bytes.
EMSCRIPTEN_KEEPALIVE int nimbara_picture_width() {
  return Session().map.GetPicture().value_or(Picture{}).width;
}
EMSCRIPTEN_KEEPALIVE int nimbara_picture_height() {
  return Session().map.GetPicture().value_or(Picture{}).height;
}
EMSCRIPTEN_KEEPALIVE const std::uint8_t* nimbara_picture_rgba() {
  static std::vector<std::uint8_t> kept;
  kept = RgbaOf(Session().map.GetPicture().value_or(Picture{}));
  return kept.data();
}

// A picture the page kept, under the map again after a reload.
EMSCRIPTEN_KEEPALIVE void nimbara_restore_picture(int width, int height, const std::uint8_t* rgba) {
  Session().map.SetPicture(PictureFromRgba(width, height, rgba));
}
}
