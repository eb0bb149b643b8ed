#pragma once
// The running program's state, in one place. The main window owns it and
// passes it by reference; every test builds its own.

#include <array>
#include <string>
#include <vector>

#include "core/Colour.h"
#include "core/IsobarInterval.h"
#include "core/MapView.h"
#include "core/ObservationStore.h"
#include "core/PlotPoints.h"
#include "core/PressureGrid.h"
#include "core/SymbolSize.h"

namespace nimbara {

// The rows of an entry window's list KansokuData and its selection. List
// widgets mirror it; they never hold the truth.
struct RowList {
  std::vector<std::string> rows;
  int selected = -1;  // -1: no row selected
  int Count() const { return static_cast<int>(rows.size()); }
};

// The layer and symbol switches of the 表示の設定 menu.
struct LayerSwitches {
  bool map = true;        // cntTizu
  bool isobars = true;    // cntTouatu2
  bool weather = true;    // cntKigou
  bool wind = true;       // cntHuuryoku
  bool fronts = true;     // cntZensen
  bool allData = true;    // cntAllData
  bool zoomUp = false;    // cntZoomUp
  // Remembered in the settings file, so a start-up does not reset them.
  bool chartStyle = false;  // cntMitame: 天気図の見た目：気象庁風
  bool legend = true;       // cntHanrei: the chart style's legend
};

inline constexpr int kItemListSize = 401;  // positions 0 to 400

// Map click modes.
namespace click {
inline constexpr std::string_view kNone = "";
inline constexpr std::string_view kSlideShow = "S";
inline constexpr std::string_view kAlign = "A";
inline constexpr std::string_view kRead = "?";
inline constexpr std::string_view kRaise = "+";
inline constexpr std::string_view kLower = "-";
inline constexpr std::string_view kNorthSouth = "V";
inline constexpr std::string_view kEastWest = "H";
}  // namespace click

struct AppState {
  ObservationStore store;
  RowList stationRows;  // Tenki1
  RowList shipRows;     // Kaiyou1
  RowList systemRows;   // Gyogyou

  PlotPointTable plot;
  PressureField field;

  MapView view;
  ColourSlots colours;
  int selectedColourSlot = 0;  // 現在の色
  IsobarInterval isobar;
  SymbolSize symbols;
  LayerSwitches layers;

  std::string clickMode;
  std::string currentFilePath;
  std::string savedObservations;  // see SavedObservations.h
  bool fullDataMode = true;
  std::string settingsPath;  // fixed for the run

  // The last paste: its items and header text.
  std::array<std::string, kItemListSize> items{};
  std::string headerText;
  std::string tempFileDirectory = ".";  // where "Nimbara.$$$" is written

  bool slideShowRunning = false;
  int slideShowKind = 0;       // 0 data files, 1 isobar files, 2 images
  float slideShowPause = 1.0f;  // seconds
};

}  // namespace nimbara
