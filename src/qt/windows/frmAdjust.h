#pragma once
// 画像と地図の位置調整: the alignment window beside the map. Each button
// (held down, it repeats) or key moves or stretches the map against the
// background picture at once, the four values can be typed, and
// はじめの位置 brings back the start view; while the window is open a click
// on the map only brings it back.

#include <QWidget>

#include <array>

#include "app/Alignment.h"
#include "app/AppContext.h"
#include "qt/ToolWindow.h"

class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace nimbara {

inline constexpr int kArrowCount = 4;
inline constexpr int kViewFieldCount = 4;

class frmAdjust : public QWidget, public ToolWindow {
  Q_OBJECT
 public:
  frmAdjust(AppContext app, QWidget* parent);

  std::array<QPushButton*, kArrowCount> cmdArrow;  // ↓ ← → ↑
  QPushButton* cmdWidthReduce;
  QPushButton* cmdWidthEnlarge;
  QPushButton* cmdHeightReduce;
  QPushButton* cmdHeightEnlarge;
  std::array<QLineEdit*, kViewFieldCount> txtView;  // in ViewField order: 縦位置 横位置 縦拡大率 横拡大率
  QPushButton* cmdStart;                            // はじめの位置
  QPushButton* cmdClose;

  // The fields show the map view again.
  void Refresh() override;

 signals:
  // The map surface was drawn on and should be repainted.
  void MapChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Adjust(ViewStep step);
  bool StepForKey(const QKeyEvent& event);
  void ViewFieldEdited(ViewField field);
  void cmdStart_Click();
  void cmdClose_Click();

  AppContext m_app;
};

}  // namespace nimbara
