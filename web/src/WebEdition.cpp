// The web edition's entry points: what the page's buttons run. Each one runs
// the same Qt-free command as the desktop's menu item, on one state, one map
// drawn both on the page's canvases and into the drawing log, and the page's Ui.

#include <emscripten.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "HtmlCanvas.h"
#include "PageContext.h"
#include "PageUi.h"
#include "app/Dictation.h"
#include "app/DisplayCommands.h"
#include "app/EntryCommands.h"
#include "app/FileCommands.h"
#include "app/ImageCommands.h"
#include "app/MapOutput.h"
#include "app/PasteCommands.h"
#include "app/ShipEntry.h"
#include "app/StationEntry.h"
#include "app/SystemEntryEditor.h"
#include "core/BaseMap.h"
#include "io/Cp932.h"
#include "render/RecordingCanvas.h"
#include "render/TeeCanvas.h"

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
  int station = 0;
  // The line of the last station was read: the stations are done.
  bool stationsDone = false;

  AppContext Context() { return {state, canvas, ui}; }
  void MoveStation(int slot) {
    station = std::clamp(slot, 0, kDictatedStationCount - 1);
    stationsDone = false;
  }
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

// As at the desktop's start: the entry lists hold a row per record, the map
// view and background colour are applied, and the base map is drawn.
EMSCRIPTEN_KEEPALIVE void nimbara_start() {
  WebSession& session = Session();
  AppState& state = session.state;
  LoadStationRows(state);
  LoadShipRows(state);
  LoadSystemRows(state);
  ApplyMapView(session.canvas, state.view);
  session.canvas.SetBackColour(state.colours[ColourSlot::Background]);
  DrawBaseMap(session.canvas, state.colours[ColourSlot::Map]);
}

// データの貼り付け of a text: a station bulletin or a systems bulletin.
EMSCRIPTEN_KEEPALIVE void nimbara_paste(const char* utf8Text) { ImportBulletinText(Session().Context(), utf8Text); }

EMSCRIPTEN_KEEPALIVE void nimbara_display() { cntDisplay_Click(Session().Context()); }

// Runs switch `index` of 表示の設定.
EMSCRIPTEN_KEEPALIVE void nimbara_switch(int index) {
  if (index >= 0 && index < static_cast<int>(kSwitchCommands.size())) kSwitchCommands[index](Session().Context());
}

// The switches of 表示の設定, one bit each in the order of nimbara_switch.
EMSCRIPTEN_KEEPALIVE int nimbara_switches() { return SwitchBits(Session().state.layers); }

// データファイル読みこみ of a file the page has stored, with the pictures
// beside it that the page has decoded.
EMSCRIPTEN_KEEPALIVE void nimbara_open_data(const char* path) {
  WithChosenPath(path, cntLoad_Click);
  Session().map.ForgetDecodedPictures();
}

// データファイル保存 (full) or 気象観測ファイル保存 under `path`.
EMSCRIPTEN_KEEPALIVE void nimbara_save_data(const char* path, int full) {
  WithChosenPath(path, full ? cntSave_Click : cntKSave_Click);
}

// A picture file the browser has decoded: `rgba` holds width × height pixels
// of four bytes each. The next opening command may load it.
EMSCRIPTEN_KEEPALIVE void nimbara_add_picture(const char* path, int width, int height, const std::uint8_t* rgba) {
  Picture picture{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
  for (std::uint32_t& pixel : picture.pixels) {
    pixel = std::uint32_t{rgba[3]} << 24 | std::uint32_t{rgba[0]} << 16 | std::uint32_t{rgba[1]} << 8 | rgba[2];
    rgba += 4;
  }
  Session().map.AddDecodedPicture(path, std::move(picture));
}

// 気象衛星画像ファイル読みこみ of a picture the page has decoded.
EMSCRIPTEN_KEEPALIVE void nimbara_open_picture(const char* path) {
  WithChosenPath(path, cntHimawari_Click);
  Session().map.ForgetDecodedPictures();
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
  session.MoveStation(FirstStationWithoutReport(session.state.store));
}

// The date typed into the dictation's date box.
EMSCRIPTEN_KEEPALIVE void nimbara_keep_date(const char* text) {
  KeepObservationDate(Session().Context(), std::string(text));
}

// ⏎ on the dictation's station line: the line goes to the station under the
// cursor, which then moves on. Gives why the line was not read ("" when it
// was read).
EMSCRIPTEN_KEEPALIVE const char* nimbara_station_line(const char* line) {
  WebSession& session = Session();
  const LineOutcome outcome = EnterStationLine(session.Context(), session.station, line);
  if (outcome.reason.empty()) {
    session.MoveStation(outcome.cursor);
    session.stationsDone = outcome.done;
  }
  return ToPage(outcome.reason);
}

EMSCRIPTEN_KEEPALIVE int nimbara_station() { return Session().station; }

EMSCRIPTEN_KEEPALIVE int nimbara_stations_done() { return Session().stationsDone; }

// The cursor to station `slot` (kept within the list), as ↑ and ↓ move it.
EMSCRIPTEN_KEEPALIVE void nimbara_move_station(int slot) { Session().MoveStation(slot); }

// The dictated stations as the dictation's table shows them: a line each,
// 地名, 風向, 風力, 天気, 気圧 and 気温 between tabs.
EMSCRIPTEN_KEEPALIVE const char* nimbara_station_table() {
  return ToPage(DictatedStationRows(Session().state.store));
}
}
