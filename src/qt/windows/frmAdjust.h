#pragma once
// 画像と地図の位置調整: the alignment window beside the map. Each button
// moves or stretches the map against the background picture at once; while
// the window is open a click on the map only brings it back.

#include <QWidget>

#include <array>

#include "app/Alignment.h"
#include "app/AppContext.h"
#include "qt/ToolWindow.h"

class QPushButton;

namespace nimbara {

inline constexpr int kArrowCount = 4;

class frmAdjust : public QWidget, public ToolWindow {
  Q_OBJECT
 public:
  frmAdjust(AppContext app, QWidget* parent);

  std::array<QPushButton*, kArrowCount> cmdArrow;  // ↓ ← → ↑
  QPushButton* cmdWidthReduce;
  QPushButton* cmdWidthEnlarge;
  QPushButton* cmdHeightReduce;
  QPushButton* cmdHeightEnlarge;
  QPushButton* cmdClose;

 signals:
  // The map surface was drawn on and should be repainted.
  void MapChanged();

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void Adjust(AlignButton button);
  void cmdClose_Click();

  AppContext m_app;
};

}  // namespace nimbara
