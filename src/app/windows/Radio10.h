#pragma once
// The main window: the menus, the map surface Picture1, the browse buttons
// and the state of the run. Menu handlers are thin: each runs its command on
// the state and repaints the map.

#include <QMainWindow>

#include <array>

#include "app/AppContext.h"
#include "app/SlideShow.h"
#include "qt/MapSurface.h"
#include "qt/QtCanvas.h"
#include "qt/QtUi.h"

class QAction;
class QPushButton;

namespace nimbara {

inline constexpr const char* kMainCaption = "Nimbara2 「ニンバラ」（インターネットのデータ活用版)";
inline constexpr int kBrowseButtonCount = 6;

class Radio10 : public QMainWindow {
  Q_OBJECT
 public:
  explicit Radio10(QWidget* parent = nullptr);

  AppState& State() { return m_state; }
  QtCanvas& Canvas() { return m_canvas; }
  QtUi& WindowUi() { return m_ui; }
  AppContext Context() { return {m_state, m_canvas, m_ui}; }
  MapSurface* Picture1() { return m_picture1; }
  // The menu item or menu of that name (cntLoad, cntFile, ...), or null.
  QAction* MenuAction(const QString& name) const;

  std::array<QPushButton*, kBrowseButtonCount> cmdPlay;
  QPushButton* cmdFolder;

 public slots:
  // Start-up: settings, base map, the last file (a sample on a first start)
  // and the greeting.
  void MDIForm_Load();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private slots:
  void cntLoad_Click();
  void mnuDataRenzoku_Click();
  void cntSave_Click();
  void cntKLoad_Click();
  void mnuTenkiRenzoku_Click();
  void cntKSave_Click();
  void cntHimawari_Click();
  void cntGRenzoku_Click();
  void cntGazou_Click();
  void cntMapSave_Click();
  void cntMapPrint_Click();
  void cntBlankPrint_Click();
  void cntBlankSave_Click();
  void cntTLoad_Click();
  void cntRenzoku_Click();
  void cntTSave_Click();
  void cntLoadSettei_Click();
  void cntSaveSettei_Click();
  void entEnd2_Click();

  void cntInternetData06_Click();
  void cntInternetData12_Click();
  void cntInternetData18_Click();
  void cntInternetTeikiatu06_Click();
  void cntInternetTeikiatu12_Click();
  void cntInternetTeikiatu18_Click();
  void cntInternetPictureIR_Click();
  void cntInternetPictureVisal_Click();
  void cntInternetPictureVapor_Click();
  void cntPaste_Click();

  void cntTenki_Click();
  void cntSenpaku_Click();
  void cntGyogyou_Click();
  void cntRadio_Click();
  void cntNew2_Click();

  void cntDisplay_Click();
  void cntTizu_Click();
  void cntTouatu2_Click();
  void cntKigou_Click();
  void cntHuuryoku_Click();
  void cntZensen_Click();
  void cntAllData_Click();
  void cntZoomUp_Click();
  void cntMitame_Click();
  void cntHanrei_Click();
  void cntClsLine_Click();
  void cntRittai_Click();
  void cntTKankaku_Click();
  void cntSyusei_Click();
  void cntColor_Click();
  void cntAdjust_Click();

  void mnuKiatuClear_Click();

  void cntDanmen_Click();
  void cntCopy_Click();
  void cntMapCopy_Click();
  void cntClsBMP_Click();

  void cntHelp_Click();

  void cmdPlay_Click(BrowseButton button);
  void cmdFolder_Click();
  void Picture1_MouseDown(Qt::MouseButton button, double x, double y);

 private:
  void BuildMenus();
  QWidget* BuildClientArea();
  void RegisterToolWindows();
  // Tenki1, Kaiyou1 and Gyogyou, created hidden with their lists filled.
  void LoadEntryWindows();
  // Runs a command on the state, then brings the map, the ticks and the entry
  // windows' date boxes up to date.
  void Run(void (*command)(const AppContext&));
  void RefreshMap();
  void ShowLayerTicks();

  AppState m_state;
  QtCanvas m_canvas;
  QtUi m_ui;
  MapSurface* m_picture1;
};

}  // namespace nimbara
