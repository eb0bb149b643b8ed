#include "qt/windows/frmAdjust.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>

#include "app/Alignment.h"
#include "qt/QtCanvas.h"
#include "render/BaseMap.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

namespace nimbara {
namespace {

class AlignmentWindow : public ::testing::Test {
 protected:
  AlignmentWindow() : window({state, canvas, ui}, nullptr) {
    state.settingsPath = settingsFolder.File("Nimbara.ini");
    ApplyMapView(canvas, state.view);
    state.clickMode = ClickMode::Align;
  }
  ~AlignmentWindow() override { std::filesystem::remove(state.settingsPath); }
  testing::TempFolder settingsFolder;
  AppState state;
  QtCanvas canvas{400, 400};
  testing::ScriptedUi ui;
  frmAdjust window;
};

TEST_F(AlignmentWindow, CaptionsInControlOrder) {
  EXPECT_EQ(window.windowTitle().toStdString(), "画像と地図の位置調整");
  const char* arrows[] = {"↓", "←", "→", "↑"};
  for (int i = 0; i < kArrowCount; ++i)
    EXPECT_EQ(window.cmdArrow[static_cast<std::size_t>(i)]->text().toStdString(), arrows[i]);
  EXPECT_EQ(window.cmdWidthReduce->text().toStdString(), "縮小");
  EXPECT_EQ(window.cmdWidthEnlarge->text().toStdString(), "拡大");
  EXPECT_EQ(window.cmdClose->text().toStdString(), "閉じる");
}

TEST_F(AlignmentWindow, EachButtonMovesOrStretchesTheMapAndAsksForARepaint) {
  int repaints = 0;
  QObject::connect(&window, &frmAdjust::MapChanged, [&] { ++repaints; });
  const std::pair<QPushButton*, MapView> presses[] = {
      {window.cmdArrow[0], {1, 0, 400, 400}},        // ↓
      {window.cmdArrow[1], {1, -1, 400, 400}},       // ←
      {window.cmdArrow[3], {0, -1, 400, 400}},       // ↑
      {window.cmdArrow[2], {0, 0, 400, 400}},        // →
      {window.cmdWidthEnlarge, {0, 0, 401, 400}},
      {window.cmdWidthReduce, {0, 0, 400, 400}},
      {window.cmdHeightReduce, {0, 0, 400, 399}},
      {window.cmdHeightEnlarge, {0, 0, 400, 400}},
  };
  for (const auto& [button, view] : presses) {
    button->click();
    EXPECT_EQ(state.view, view) << button->text().toStdString();
  }
  EXPECT_EQ(canvas.Scale(), state.view);
  EXPECT_EQ(repaints, 8);
}

TEST_F(AlignmentWindow, KeysTypedValuesAndHeldButtonsChangeTheViewAndTheFieldsFollow) {
  window.show();
  const auto shown = [&] {
    std::vector<std::string> texts;
    for (QLineEdit* field : window.txtView) texts.push_back(field->text().toStdString());
    return texts;
  };
  window.cmdArrow[0]->setFocus();
  QTest::keyClick(window.cmdArrow[0], Qt::Key_Right, Qt::ControlModifier);
  QTest::keyClick(&window, Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(state.view, (MapView{0, 10, 400, 401}));
  EXPECT_EQ(shown(), (std::vector<std::string>{"0", "10", "401", "400"}));

  QLineEdit* width = window.txtView[static_cast<std::size_t>(ViewField::Width)];
  for (const char* typed : {"380", "abc"}) {
    width->selectAll();
    QTest::keyClicks(width, typed);
    QTest::keyClick(width, Qt::Key_Return);
  }
  EXPECT_EQ(state.view.width, 380.0f);
  EXPECT_EQ(width->text().toStdString(), "380");

  window.cmdStart->click();
  EXPECT_EQ(state.view, MapView{});
  QTest::mousePress(window.cmdArrow[0], Qt::LeftButton);
  QTest::qWait(700);
  QTest::mouseRelease(window.cmdArrow[0], Qt::LeftButton);
  EXPECT_GT(state.view.top, 2.0f);
  EXPECT_EQ(shown()[0], ViewFieldText(state.view, ViewField::Top));
  EXPECT_EQ(canvas.Scale(), state.view);
}

TEST_F(AlignmentWindow, CloseButtonEndsTheModeAndKeepsTheView) {
  window.show();
  window.cmdArrow[0]->click();
  window.cmdClose->click();
  EXPECT_EQ(state.clickMode, ClickMode::None);
  EXPECT_EQ(ui.windowEvents.back(), "hide frmAdjust");
  EXPECT_TRUE(std::filesystem::exists(state.settingsPath));
}

TEST_F(AlignmentWindow, ClosingTheWindowAnyOtherWayEndsTheMode) {
  window.show();
  window.close();
  EXPECT_EQ(state.clickMode, ClickMode::None);
}

}  // namespace
}  // namespace nimbara
