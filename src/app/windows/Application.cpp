#include "app/windows/Application.h"

#include <QApplication>
#include <QFont>

#include "app/windows/Radio10.h"

namespace nimbara {

int RunApplication(int argc, char** argv) {
  QApplication application(argc, argv);
  // Without a CJK font every Japanese text would show as boxes.
  application.setFont(QFont("IPAGothic", 10));
  Radio10 window;
  window.show();
  return application.exec();
}

}  // namespace nimbara
