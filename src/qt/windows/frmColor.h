#pragma once
// 表示色の変更: the modal colour window. A click on a slot's label or sample
// box selects it; the three sliders (red, green, blue, 255 at the top) colour
// its sample. Ｏ　Ｋ applies the samples to the map; キャンセル leaves the
// colours as they were.

#include <QDialog>

#include <array>

#include "app/AppContext.h"
#include "app/ColourWindow.h"

class QFrame;
class QLabel;
class QPushButton;
class QSlider;

namespace nimbara {

class frmColor : public QDialog {
  Q_OBJECT
 public:
  frmColor(AppContext app, QWidget* parent);

  std::array<QLabel*, kColourSlotCount> Labels;     // the ten slot captions
  std::array<QFrame*, kColourSlotCount> Pictures;   // Picture1 to Picture10
  QSlider* VScroll1;  // red
  QSlider* VScroll2;  // green
  QSlider* VScroll3;  // blue
  QPushButton* Command1;  // Ｏ　Ｋ
  QPushButton* Command2;  // キャンセル
  QPushButton* Command3;  // はじめの色

  const ColourWindow& Model() const { return m_model; }

 signals:
  // The map surface was drawn on and should be repainted.
  void MapChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SelectSlot(ColourSlot slot);
  void SliderMoved();
  // Samples, marks and sliders from the model.
  void ShowModel();

  AppContext m_app;
  ColourWindow m_model;
};

}  // namespace nimbara
