#pragma once
// 等圧線の修正: the isobar correction window beside the map. Its buttons set
// what a click on the map does and redraw, smooth, space and save the
// isobars; closing it in any way ends the correction click modes.

#include <string>
#include <string_view>

#include "qt/windows/MapToolWindow.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace nimbara {

class Teisei : public MapToolWindow {
  Q_OBJECT
 public:
  Teisei(AppContext app, QWidget* parent);

  // The pressure read or corrected by a click on the map ("1014.5").
  void ShowPressure(const std::string& hPa);
  // Text1 shows the instruction of the click mode whenever the mode has
  // changed since it last showed one (the menu reopening the window sets "?").
  void Refresh() override;

  QLabel* Label1;
  QPlainTextEdit* Text1;
  QPushButton* cmdPlus;
  QPushButton* cmdMinus;
  QPushButton* cmdKiatu;
  QPushButton* cmdHelp;
  QPushButton* cmdKankaku;
  QPushButton* cmdHeikin;
  QPushButton* cmdDLine;
  QPushButton* cmdSave;
  QPushButton* cmdEnd;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void ChooseMode(ClickMode mode);
  void ShowModeText();
  void cmdHeikin_Click();

  ClickMode m_shownMode = ClickMode::None;  // the click mode whose text Text1 shows
};

}  // namespace nimbara
