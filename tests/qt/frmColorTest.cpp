#include "qt/windows/frmColor.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>

#include <filesystem>

#include "qt/QtCanvas.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

namespace nimbara {
namespace {

void Press(QWidget* widget) {
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
}

class ColourDialog : public ::testing::Test {
 protected:
  ColourDialog() {
    state.settingsPath = settingsFolder.File("Nimbara.ini");
    state.colours[ColourSlot::Wind] = Rgb(0x40, 0x40, 0x40);
  }
  ~ColourDialog() override { std::filesystem::remove(state.settingsPath); }
  frmColor& Window() {
    if (!m_window) m_window = std::make_unique<frmColor>(AppContext{state, canvas, ui}, nullptr);
    return *m_window;
  }
  SliderValues Sliders() {
    return {Window().VScroll1->value(), Window().VScroll2->value(), Window().VScroll3->value()};
  }

  testing::TempFolder settingsFolder;
  AppState state;
  QtCanvas canvas{400, 400};
  testing::ScriptedUi ui;

 private:
  std::unique_ptr<frmColor> m_window;
};

TEST_F(ColourDialog, CaptionsAndFirstSlotSelected) {
  EXPECT_EQ(Window().windowTitle().toStdString(), "表示色の変更");
  EXPECT_EQ(Window().Labels[0]->text().toStdString(), "文字の色");
  EXPECT_EQ(Window().Labels[9]->text().toStdString(), "背景の色");
  EXPECT_EQ(Window().Command1->text().toStdString(), "Ｏ　Ｋ");
  EXPECT_EQ(Window().Command2->text().toStdString(), "キャンセル");
  EXPECT_EQ(Window().Command3->text().toStdString(), "はじめの色");
  EXPECT_EQ(Window().Model().SelectedSlot(), ColourSlot::Text);
  EXPECT_EQ(Window().Pictures[0]->frameShape(), QFrame::Box);
  EXPECT_EQ(Window().Pictures[1]->frameShape(), QFrame::NoFrame);
  EXPECT_TRUE(Window().Labels[0]->font().bold());
}

TEST_F(ColourDialog, ClickOnALabelOrSampleSelectsItsSlot) {
  Press(Window().Labels[4]);  // 風力記号の色, a grey
  EXPECT_EQ(Window().Model().SelectedSlot(), ColourSlot::Wind);
  EXPECT_EQ(Sliders(), (SliderValues{0x40, 0x40, 0x40}));
  Press(Window().Pictures[9]);
  EXPECT_EQ(Window().Model().SelectedSlot(), ColourSlot::Background);
  EXPECT_EQ(Sliders(), (SliderValues{255, 255, 255}));
  EXPECT_EQ(Window().Pictures[9]->frameShape(), QFrame::Box);
  EXPECT_EQ(Window().Pictures[0]->frameShape(), QFrame::NoFrame);
}

TEST_F(ColourDialog, SlidersColourOnlyTheSampleUntilOk) {
  Press(Window().Labels[9]);
  Window().VScroll2->setValue(128);
  EXPECT_EQ(Window().Model().Sample(ColourSlot::Background), Rgb(255, 128, 255));
  EXPECT_EQ(Window().Pictures[9]->palette().color(QPalette::Window), QColor(255, 128, 255));
  EXPECT_EQ(state.colours[ColourSlot::Background], kWhite);

  int repaints = 0;
  QObject::connect(&Window(), &frmColor::MapChanged, [&] { ++repaints; });
  Window().Command1->click();
  EXPECT_EQ(state.colours[ColourSlot::Background], Rgb(255, 128, 255));
  EXPECT_EQ(repaints, 1);
  EXPECT_EQ(Window().result(), QDialog::Accepted);
}

TEST_F(ColourDialog, StartupColoursThenCancelChangeNothing) {
  const ColourSlots before = state.colours;
  Window().Command3->click();
  EXPECT_EQ(Window().Model().Sample(ColourSlot::Wind), kLightBlue);
  EXPECT_EQ(Sliders(), (SliderValues{0, 0, 0}));  // the sliders stay
  Window().Command2->click();
  EXPECT_EQ(state.colours, before);
  EXPECT_EQ(Window().result(), QDialog::Rejected);
}

}  // namespace
}  // namespace nimbara
