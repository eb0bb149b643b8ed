#pragma once
// Window tests: one QApplication for the whole suite, and answers to modal
// windows given from a timer while their event loop runs.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace nimbara::testing {

// Calls `answer` with the first modal window of type W that becomes active.
template <typename W>
void WhenModalOpens(std::function<void(W*)> answer) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, answer] {
    auto* modal = qobject_cast<W*>(QApplication::activeModalWidget());
    if (!modal) return;
    timer->stop();
    timer->deleteLater();
    answer(modal);
  });
  timer->start();
}

// What a message box showed.
struct SeenBox {
  QString title;
  QString text;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// The next message box is recorded into `seen` and answered with `button`.
inline void AnswerNextBox(SeenBox& seen, QMessageBox::StandardButton button) {
  WhenModalOpens<QMessageBox>([&seen, button](QMessageBox* box) {
    seen.title = box->windowTitle();
    seen.text = box->text();
    if (QPushButton* byDefault = box->defaultButton()) seen.defaultButton = box->standardButton(byDefault);
    box->button(button)->click();
  });
}

}  // namespace nimbara::testing
