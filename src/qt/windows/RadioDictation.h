#pragma once
// ラジオの気象通報から入力: the radio weather report taken down while it is
// read, with the keyboard alone. One quick line for the stations in the
// order of the broadcast, one for the ships, a text for the systems part;
// every station and ship shows on the map at once, F5 draws the isobars and
// fronts. The rules are in app/Dictation.h; this window only shows them.

#include <initializer_list>
#include <string>

#include "app/DictationCursor.h"
#include "qt/windows/MapToolWindow.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace nimbara {

class RadioDictation : public MapToolWindow {
  Q_OBJECT
 public:
  RadioDictation(AppContext app, QWidget* parent = nullptr);

  // The tables, the systems text (when the systems changed elsewhere) and the
  // date box follow the state; the cursors stay where they are.
  void Refresh() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // F5, from wherever the focus is: 天気図を表示する.
  void keyPressEvent(QKeyEvent* event) override;
  // Up and Down on a quick line move its cursor; Return in the systems text
  // reads it.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The stations on the left; ships, systems text and what it read on the right.
  void LayOut(QPushButton* cmdDelete, std::initializer_list<QPushButton*> bottomButtons);
  void StationLine_Return();
  void ShipLine_Return();
  void SystemsText_Return();
  void cmdDelete_Click();
  void cmdDisplay_Click();
  void Setumei_Click();
  void MoveStation(int slot);
  // The table and the name before the station line show the cursor.
  void ShowStationCursor();
  void MoveShip(int row);
  void ShowStation(int slot);
  void ShowShips();
  void ShowSystems();

  QLineEdit* m_txtKansokubi;
  QTableWidget* m_stations;
  QLabel* m_stationName;
  QLineEdit* m_stationLine;
  QLabel* m_stationReason;
  QTableWidget* m_ships;
  QLabel* m_shipName;
  QLineEdit* m_shipLine;
  QLabel* m_shipReason;
  QPlainTextEdit* m_systemsText;
  QListWidget* m_systemsRead;
  QLabel* m_systemsReason;
  DictationCursor m_station;
  int m_ship = 0;
  std::string m_systemsShown;  // the store's systems as the text last showed or read them
};

inline constexpr const char* kRadioDictationCaption = "ラジオの気象通報から入力";

}  // namespace nimbara
