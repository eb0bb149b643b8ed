#include <gtest/gtest.h>

#include <QAction>
#include <QScrollArea>
#include <QTest>

#include "qt/windows/Radio10.h"

namespace nimbara {
namespace {

// Small enough for two tool windows to fit right of it on the offscreen
// platform's screen.
constexpr QSize kMainWindowSize(420, 320);

QRect ScreenRectOf(const QWidget& widget) { return {widget.mapToGlobal(QPoint(0, 0)), widget.size()}; }

TEST(WindowPlaces, ToolWindowsOpenBesideTheMapAndReopenWhereMoved) {
  Radio10 window;
  window.resize(kMainWindowSize);
  window.move(0, 0);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  window.MenuAction("cntSyusei")->trigger();
  window.MenuAction("cntDanmen")->trigger();
  QWidget* teisei = window.WindowUi().Window(WindowId::Teisei);
  QWidget* danmen = window.WindowUi().Window(WindowId::Danmen);
  ASSERT_TRUE(teisei && danmen);
  // The map as far as it shows in its scroll area.
  const QRect map = ScreenRectOf(*window.findChild<QScrollArea*>("MapScroll")->viewport());
  for (const QWidget* tool : {teisei, danmen}) {
    EXPECT_FALSE(tool->frameGeometry().intersects(map)) << tool->frameGeometry().x() << "," << tool->frameGeometry().y();
    EXPECT_GT(tool->frameGeometry().left(), window.frameGeometry().right());
  }
  EXPECT_FALSE(teisei->frameGeometry().intersects(danmen->frameGeometry()));

  const QPoint moved = teisei->pos() + QPoint(20, 30);
  teisei->move(moved);
  teisei->hide();
  window.MenuAction("cntSyusei")->trigger();
  EXPECT_EQ(teisei->pos(), moved);
}

}  // namespace
}  // namespace nimbara
