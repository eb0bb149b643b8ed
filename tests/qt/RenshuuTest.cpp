#include "qt/windows/Renshuu.h"

#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/FileCommands.h"
#include "qt/MapSurface.h"
#include "render/RecordingCanvas.h"
#include "support/ScriptedUi.h"

namespace nimbara {
namespace {

class PracticeWindow : public ::testing::Test {
 protected:
  PracticeWindow() : window({state, canvas, ui}, nullptr) {
    EXPECT_TRUE(OpenDataFile({state, canvas, ui}, std::string(NIMBARA_SAMPLES) + "/20240115_06.txt"));
    window.resize(900, 700);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }

  // A drag across the map surface from one widget point to another.
  void Drag(QPoint from, QPoint to) {
    QWidget* surface = window.Picture1;
    QTest::mousePress(surface, Qt::LeftButton, {}, from);
    constexpr int kSteps = 10;
    for (int step = 1; step <= kSteps; ++step) {
      const QPoint at = from + (to - from) * step / kSteps;
      QMouseEvent move(QEvent::MouseMove, at, surface->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, {});
      QApplication::sendEvent(surface, &move);
    }
    QTest::mouseRelease(surface, Qt::LeftButton, {}, to);
  }

  AppState state;
  RecordingCanvas canvas;
  testing::ScriptedUi ui;
  Renshuu window;
};

TEST_F(PracticeWindow, TheValueBoxStartsNearTheMeanAndStepsByTheInterval) {
  EXPECT_EQ(window.txtKiatu->singleStep(), 4.0);
  EXPECT_EQ(window.txtKiatu->value(), state.practice.value);
  EXPECT_EQ(window.windowTitle().toStdString(), "等圧線を引く練習");
}

TEST_F(PracticeWindow, ADragDrawsALineOfTheBoxsValueAndCtrlZTakesItBack) {
  window.txtKiatu->setValue(1016);
  Drag({100, 100}, {300, 200});
  ASSERT_EQ(state.practice.drawing.lines.size(), 1u);
  EXPECT_EQ(state.practice.drawing.lines[0].value, 1016);
  EXPECT_GT(state.practice.drawing.lines[0].points.size(), 5u);
  QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(state.practice.drawing.lines.empty());
}

TEST_F(PracticeWindow, MarksAreSetByAClickAndLinesErasedByOne) {
  Drag({100, 100}, {300, 100});
  Drag({100, 300}, {300, 300});
  window.optKou->setChecked(true);
  QTest::mouseClick(window.Picture1, Qt::LeftButton, {}, {200, 200});
  ASSERT_EQ(state.practice.drawing.marks.size(), 1u);
  EXPECT_EQ(state.practice.drawing.marks[0].kind, CentreMarkKind::High);
  window.optKesu->setChecked(true);
  QTest::mouseClick(window.Picture1, Qt::LeftButton, {}, {200, 301});
  EXPECT_EQ(state.practice.drawing.lines.size(), 1u);
}

TEST_F(PracticeWindow, CheckingShowsTheScoreInWords) {
  Drag({100, 100}, {300, 200});
  window.cmdKotae->click();
  EXPECT_TRUE(state.practice.answerShown);
  EXPECT_TRUE(window.txtKekka->toPlainText().startsWith(QString::fromUtf8("点数 ")));
  EXPECT_TRUE(window.txtKekka->toPlainText().contains(QString::fromUtf8("1本目 ")));
}

}  // namespace
}  // namespace nimbara
