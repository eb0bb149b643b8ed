#pragma once
// What window tests do to find and focus the widgets they drive.

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

namespace nimbara::testing {

// The child widget of that object name (a failure when there is none).
template <typename W>
W* Child(QWidget& window, const char* name) {
  W* child = window.findChild<W*>(QString::fromUtf8(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

// Shows the window and makes it the active one: focus events reach a widget
// only in the active window.
inline void Activate(QWidget& window) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

}  // namespace nimbara::testing
