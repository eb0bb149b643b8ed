#pragma once
// The running program's state, in one place. The main window owns it and
// passes it by reference; every test builds its own.

#include <array>
#include <string>
#include <vector>

#include "app/PracticeSession.h"
#include "core/Colour.h"
#include "core/IsobarInterval.h"
#include "core/MapView.h"
#include "core/ObservationStore.h"
#include "core/PlotPoints.h"
#include "core/PressureGrid.h"
#include "core/ScreenGeometry.h"
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


// What a press on the map does (app/ClickDispatch.h), as the tool windows
// set it.
enum class ClickMode {
  None,        // writes the pressure there
  SlideShow,   // stops the slide show
  Align,       // brings the alignment window forward
  Read,        // correction: the pressure of the nearest node
  Raise,       // correction: the node raised
  Lower,       // correction: the node lowered
  NorthSouth,  // the cloud section through the press, north to south
  EastWest,    // the cloud section through the press, east to west
};

// What the slide show of the window Cont plays.
enum class SlideShowKind { DataFiles, IsobarFiles, Pictures, PracticeFiles };

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

  ClickMode clickMode = ClickMode::None;
  std::string currentFilePath;
  std::string savedObservations;  // see SavedObservations.h
  bool fullDataMode = true;
  std::string settingsPath;  // fixed for the run
  WindowPlaceMemory windowPlaces;  // where each window was last (app/WindowPlaces.h)

  // The last paste's header text.
  std::string headerText;
  std::string tempFileDirectory = ".";  // where "Nimbara.$$$" is written

  bool slideShowRunning = false;
  SlideShowKind slideShowKind = SlideShowKind::DataFiles;
  float slideShowPause = 1.0f;  // seconds

  PracticeSession practice;  // 等圧線を引く練習
};

}  // namespace nimbara
