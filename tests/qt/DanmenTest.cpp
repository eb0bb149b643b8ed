#include "qt/windows/Danmen.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>

#include "qt/QtCanvas.h"
#include "render/BaseMap.h"
#include "support/ScriptedUi.h"

namespace nimbara {
namespace {

class CrossSectionWindow : public ::testing::Test {
 protected:
  CrossSectionWindow() : window({state, canvas, ui}, nullptr) { ApplyMapView(canvas, state.view); }
  std::string Text() const { return window.Text1->toPlainText().toStdString(); }
  void DrawSomething() { canvas.Line({10, 10}, {20, 10}, kBlack); }
  bool Drawn() const { return canvas.PointColour({15, 10}) == kBlack; }

  AppState state;
  QtCanvas canvas{400, 400};
  testing::ScriptedUi ui;
  Danmen window;
};

TEST_F(CrossSectionWindow, Captions) {
  EXPECT_EQ(window.windowTitle().toStdString(), "断面図");
  EXPECT_EQ(window.cmdDTate->text().toStdString(), "南北の断面図");
  EXPECT_EQ(window.cmdDYoko->text().toStdString(), "東西の断面図");
  EXPECT_EQ(window.cmdDcls->text().toStdString(), "図をもとへ");
  EXPECT_EQ(window.cmdEnd->text().toStdString(), "もどる");
}

TEST_F(CrossSectionWindow, OpeningChoosesEastWestAndClearsTheMap) {
  DrawSomething();
  window.show();
  EXPECT_EQ(state.clickMode, ClickMode::EastWest);
  EXPECT_EQ(Text(), "赤外線画像から雲の高さがわかります。\n高い雲ほど、白い色で表示されます。\n地図の上をクリック\n");
  EXPECT_FALSE(Drawn());
}

TEST_F(CrossSectionWindow, ButtonsChooseTheSectionAndClear) {
  window.show();
  window.cmdDTate->click();
  EXPECT_EQ(state.clickMode, ClickMode::NorthSouth);
  EXPECT_EQ(Text(), "地図の上をクリック");
  window.cmdDYoko->click();
  EXPECT_EQ(state.clickMode, ClickMode::EastWest);
  DrawSomething();
  window.cmdDcls->click();
  EXPECT_FALSE(Drawn());
  EXPECT_EQ(state.clickMode, ClickMode::EastWest);
}

TEST_F(CrossSectionWindow, CloseBoxEndsTheModeLikeTheBackButton) {
  window.show();
  window.cmdDTate->click();
  DrawSomething();
  window.close();
  EXPECT_EQ(state.clickMode, ClickMode::None);
  EXPECT_FALSE(Drawn());

  window.show();
  window.cmdEnd->click();
  EXPECT_EQ(state.clickMode, ClickMode::None);
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace nimbara
