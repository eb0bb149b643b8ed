#pragma once
// The main window: the menus, the map surface Picture1, the browse buttons,
// the status bar and the state of the run. A menu item runs its command on the state and
// repaints the map.

#include <QMainWindow>

#include <array>
#include <optional>

#include "app/AppContext.h"
#include "app/SlideShow.h"
#include "qt/MapSurface.h"
#include "qt/QtCanvas.h"
#include "qt/QtUi.h"

class QAction;
class QLabel;
class QPushButton;
class QScrollArea;

namespace nimbara {

inline constexpr const char* kMainCaption = "Nimbara2 「ニンバラ」（インターネットのデータ活用版)";
inline constexpr int kBrowseButtonCount = 6;

class Radio10 : public QMainWindow {
  Q_OBJECT
 public:
  // A Qt-free command, as the menu items run them.
  using Command = void (*)(const AppContext&);

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
  // 全体を表示: ticked, the whole map fits the window; unticked, the map shows
  // at its own size with scroll bars where the window is smaller.
  QPushButton* cmdZentai;

 public slots:
  // Start-up: settings, base map, the last file (a sample on a first start)
  // and the greeting.
  void MDIForm_Load();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Files dropped anywhere on the window load as app/DropCommands.h says.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private slots:
  // The menu items that need the Qt side; every other item runs its command
  // of src/app straight from the menu table.
  void entEnd2_Click();
  void cntMapSave_Click();
  void cntMapPrint_Click();
  void cntBlankPrint_Click();
  void cntBlankSave_Click();
  void cntMapCopy_Click();
  void cntColor_Click();

  void cmdPlay_Click(BrowseButton button);
  void Picture1_MouseDown(Qt::MouseButton button, double x, double y);
  void cmdZentai_Toggled(bool wholeMap);

 private:
  void BuildMenus();
  QWidget* BuildClientArea();
  void BuildStatusBar();
  // The status bar's click-mode words follow the click mode; the tool
  // windows change it in many ways, so it is compared whenever the event
  // loop has handled what came in.
  void ShowClickMode();
  void RegisterToolWindows();
  // Tenki1, Kaiyou1 and Gyogyou, created hidden with their lists filled.
  void LoadEntryWindows();
  // Runs a command on the state, then brings the map, the ticks and the entry
  // windows' date boxes up to date (AfterCommand).
  void Run(Command command);
  void AfterCommand();
  void RefreshMap();
  void ShowLayerTicks();

  AppState m_state;
  QtCanvas m_canvas;
  QtUi m_ui;
  MapSurface* m_picture1;
  QScrollArea* m_mapScroll;
  QLabel* m_clickModeLabel = nullptr;
  QLabel* m_pointerLabel = nullptr;
  std::optional<ClickMode> m_shownClickMode;
};

}  // namespace nimbara
