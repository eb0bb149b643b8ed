#pragma once
// The Qt application that painting on a QtCanvas needs, made once on the
// offscreen platform unless another is asked for.

#include <QGuiApplication>

namespace nimbara {

inline void EnsureApplication() {
  static int argc = 1;
  static char name[] = "bench";
  static char* argv[] = {name, nullptr};
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
}

}  // namespace nimbara
