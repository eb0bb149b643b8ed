#include "qt/JapaneseTranslation.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace nimbara {
namespace {

// Qt's standard buttons read in Japanese once the translation is installed.
TEST(JapaneseTranslation, StandardButtonsReadJapanese) {
  ASSERT_TRUE(InstallJapaneseTranslation(*QCoreApplication::instance()));
  QMessageBox box(QMessageBox::Question, "注意", "保存しますか", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_TRUE(box.button(QMessageBox::Yes)->text().contains("はい"));
  EXPECT_TRUE(box.button(QMessageBox::No)->text().contains("いいえ"));
  EXPECT_TRUE(box.button(QMessageBox::Cancel)->text().contains("キャンセル"));
}

}  // namespace
}  // namespace nimbara
