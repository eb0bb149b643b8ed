#pragma once
// 断面図: the cloud cross-section window beside the map. Its buttons choose
// the north-south or east-west section of the next clicks on the map;
// closing it in any way ends the cross-section mode and clears the drawing.

#include "qt/windows/MapToolWindow.h"

class QPlainTextEdit;
class QPushButton;

namespace nimbara {

class Danmen : public MapToolWindow {
  Q_OBJECT
 public:
  Danmen(AppContext app, QWidget* parent);

  QPlainTextEdit* Text1;
  QPushButton* cmdDTate;
  QPushButton* cmdDYoko;
  QPushButton* cmdDcls;
  QPushButton* cmdEnd;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowText(const std::string& text);
};

}  // namespace nimbara
