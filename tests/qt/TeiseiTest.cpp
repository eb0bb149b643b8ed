#include "qt/windows/Teisei.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "qt/QtCanvas.h"
#include "render/BaseMap.h"
#include "support/ScriptedUi.h"

namespace nimbara {
namespace {

class CorrectionWindow : public ::testing::Test {
 protected:
  CorrectionWindow() : window({state, canvas, ui}, nullptr) { ApplyMapView(canvas, state.view); }
  std::string Text() const { return window.Text1->toPlainText().toStdString(); }

  AppState state;
  QtCanvas canvas{400, 400};
  testing::ScriptedUi ui;
  Teisei window;
};

TEST_F(CorrectionWindow, CaptionsInControlOrder) {
  EXPECT_EQ(window.windowTitle().toStdString(), "等圧線の修正");
  EXPECT_EQ(window.Label1->text().toStdString(), "    等圧線の修正");
  const std::vector<std::pair<QPushButton*, const char*>> buttons = {
      {window.cmdPlus, "気圧　＋"},       {window.cmdMinus, "気圧　－"},     {window.cmdKiatu, "気圧？"},
      {window.cmdHelp, "説明"},           {window.cmdKankaku, "間隔"},       {window.cmdHeikin, "データの平均"},
      {window.cmdDLine, "等圧線を描く"}, {window.cmdSave, "等圧線の保存"}, {window.cmdEnd, "もどる"}};
  for (const auto& [button, caption] : buttons) EXPECT_EQ(button->text().toStdString(), caption);
}

TEST_F(CorrectionWindow, OpeningReadsPressureAndAsksForAButton) {
  window.show();
  EXPECT_EQ(state.clickMode, ClickMode::Read);
  EXPECT_EQ(Text(), "ボタンをクリック\nして下さい。\n");
}

TEST_F(CorrectionWindow, ModeButtonsSetModeAndInstruction) {
  window.show();
  window.cmdPlus->click();
  EXPECT_EQ(state.clickMode, ClickMode::Raise);
  EXPECT_EQ(Text(), "気圧増    左 ｸﾘｯｸ 右+２    +.5");
  window.cmdMinus->click();
  EXPECT_EQ(state.clickMode, ClickMode::Lower);
  EXPECT_EQ(Text(), "気圧減    左 ｸﾘｯｸ 右 -２    -.5");
  window.cmdKiatu->click();
  EXPECT_EQ(state.clickMode, ClickMode::Read);
  EXPECT_EQ(Text(), "気圧を調べます　地図をクリックしてください。");
  window.ShowPressure("1014.5");
  EXPECT_EQ(Text(), "1014.5");
}

TEST_F(CorrectionWindow, DrawingButtonsRedrawTheMapAndAskForARepaint) {
  int repaints = 0;
  QObject::connect(&window, &Teisei::MapChanged, [&] { ++repaints; });
  canvas.Line({10, 10}, {20, 10}, kBlack);
  window.cmdDLine->click();
  EXPECT_EQ(canvas.PointColour({15, 10}), kWhite);  // cleared, then the base map and isobars
  window.cmdHeikin->click();
  EXPECT_EQ(Text(), "");
  EXPECT_EQ(repaints, 2);
}

TEST_F(CorrectionWindow, BackButtonAndCloseBoxBothEndTheMode) {
  window.show();
  window.cmdPlus->click();
  window.cmdEnd->click();
  EXPECT_EQ(state.clickMode, ClickMode::None);
  EXPECT_FALSE(window.isVisible());

  window.show();
  EXPECT_EQ(state.clickMode, ClickMode::Read);
  window.close();  // as the window's close box does
  EXPECT_EQ(state.clickMode, ClickMode::None);
}

}  // namespace
}  // namespace nimbara
