#pragma once
// Qt painting and widgets need an application object; tests make one, once,
// on the offscreen platform.

#include <QApplication>

namespace nimbara::testing {

inline void EnsureQtApplication() {
  static int argc = 1;
  static char name[] = "nimbara-test";
  static char* argv[] = {name, nullptr};
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!QApplication::instance()) new QApplication(argc, argv);
}

}  // namespace nimbara::testing
