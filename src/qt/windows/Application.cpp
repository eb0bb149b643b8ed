#include "qt/windows/Application.h"

#include <QApplication>
#include <QFont>
#include <QTimer>

#include "qt/Fonts.h"
#include "qt/JapaneseTranslation.h"
#include "qt/windows/Radio10.h"

namespace nimbara {
namespace {

constexpr int kFontPoints = 10;

}  // namespace

int RunApplication(int argc, char** argv) {
  QApplication application(argc, argv);
  // Without a CJK font every Japanese text would show as boxes.
  application.setFont(QFont(kFontFamily, kFontPoints));
  InstallJapaneseTranslation(application);
  Radio10 window;
  window.show();
  // Start-up runs with the window on the screen, so the greeting sits over it.
  QTimer::singleShot(0, &window, &Radio10::MDIForm_Load);
  return application.exec();
}

}  // namespace nimbara
