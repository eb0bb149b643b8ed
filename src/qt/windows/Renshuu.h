#pragma once
// 等圧線を引く練習: the map without isobars on a surface of its own, where the
// pupil draws isobars freehand (mouse or pen), marks 高 and 低, erases and
// undoes, checks the drawing against the answer and keeps it beside the data
// file. Every decision is a command of app/PracticeCommands.h; the window
// only turns presses and moves into strokes.

#include <QWidget>

#include <optional>

#include "app/AppContext.h"
#include "qt/QtCanvas.h"
#include "qt/ToolWindow.h"

class QDoubleSpinBox;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace nimbara {

class MapSurface;

class Renshuu : public QWidget, public ToolWindow {
  Q_OBJECT
 public:
  Renshuu(AppContext app, QWidget* parent);

  MapSurface* Picture1;
  QDoubleSpinBox* txtKiatu;  // the value of the next line
  QRadioButton* optHiku;     // 線を引く
  QRadioButton* optKesu;     // 線を消す
  QRadioButton* optKou;      // 高
  QRadioButton* optTei;      // 低
  QPushButton* cmdModosu;    // 元に戻す (Ctrl+Z)
  QPushButton* cmdKotae;     // 答え合わせ
  QPushButton* cmdSave;      // 保存
  QPushButton* cmdLoad;      // 読みこみ
  QPushButton* cmdRenzoku;   // 連続表示
  QPushButton* cmdEnd;       // 閉じる
  QPlainTextEdit* txtKekka;  // the score in words

  // The practice canvas, for tests and screenshots.
  const QtCanvas& Canvas() const { return m_canvas; }

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  AppContext Context() { return {m_app.state, m_canvas, m_app.ui}; }
  void Picture1_MouseDown(Qt::MouseButton button, double x, double y);
  void Picture1_MouseMove(double x, double y);
  void Picture1_MouseUp();
  void cmdKotae_Click();
  void SetTool(PracticeTool tool);
  void Redraw();

  AppContext m_app;
  QtCanvas m_canvas;
  std::optional<Path> m_stroke;  // the line being drawn
};

}  // namespace nimbara
