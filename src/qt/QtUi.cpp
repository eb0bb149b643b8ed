#include "qt/QtUi.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QTime>
#include <QTimer>

#include "qt/QtCanvas.h"
#include "qt/WidgetText.h"

namespace nimbara {
namespace {

// Room the title bar's icon and buttons take beside a dialog's title.
constexpr int kTitleBarButtonsWidth = 160;

constexpr int kEventSliceMs = 5;
constexpr double kMillisecondsPerSecond = 1000.0;

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::None:
      return QMessageBox::NoIcon;
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
  }
  return QMessageBox::NoIcon;
}

// Leading full-width spaces and blank lines are part of the program's texts.
void UsePlainText(QMessageBox& box) { box.setTextFormat(Qt::PlainText); }

}  // namespace

QtUi::QtUi(QWidget* mainWindow, FileChooser chooser)
    : m_mainWindow(mainWindow), m_chooser(std::move(chooser)), m_placeKeeper(mainWindow) {}

void QtUi::RegisterWindow(WindowId id, QWidget* widget, ToolWindow* tool) {
  Entry& entry = m_windows[id];
  entry.widget = widget;
  entry.tool = tool;
}

void QtUi::RegisterFactory(WindowId id, std::function<Created()> factory) {
  m_windows[id].factory = std::move(factory);
}

QtUi::Entry* QtUi::Find(WindowId id) {
  const auto it = m_windows.find(id);
  if (it == m_windows.end()) return nullptr;
  Entry& entry = it->second;
  if (!entry.widget && entry.factory) {
    const Created created = entry.factory();
    entry.widget = created.widget;
    entry.tool = created.tool;
  }
  return entry.widget ? &entry : nullptr;
}

QWidget* QtUi::Window(WindowId id) {
  Entry* entry = Find(id);
  return entry ? entry->widget.data() : nullptr;
}

void QtUi::EndAllWindows() {
  m_ended = true;
  for (auto& [id, entry] : m_windows)
    if (entry.widget) entry.widget->hide();
}

void QtUi::Message(const std::string& title, const std::string& text, MessageIcon icon) {
  QMessageBox box(BoxIcon(icon), WidgetText(title), WidgetText(text), QMessageBox::Ok, m_mainWindow);
  UsePlainText(box);
  box.exec();
}

bool QtUi::AskYesNo(const std::string& title, const std::string& text, bool defaultNo) {
  QMessageBox box(QMessageBox::Question, WidgetText(title), WidgetText(text),
                  QMessageBox::Yes | QMessageBox::No, m_mainWindow);
  UsePlainText(box);
  box.setDefaultButton(defaultNo ? QMessageBox::No : QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

YesNoCancel QtUi::AskYesNoCancel(const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::Question, WidgetText(title), WidgetText(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_mainWindow);
  UsePlainText(box);
  box.setDefaultButton(QMessageBox::Yes);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return YesNoCancel::Yes;
    case QMessageBox::No:
      return YesNoCancel::No;
    default:
      return YesNoCancel::Cancel;
  }
}

std::optional<std::string> QtUi::InputBox(const std::string& title, const std::string& prompt,
                                          const std::string& defaultText) {
  QInputDialog dialog(m_mainWindow);
  dialog.setWindowTitle(WidgetText(title));
  dialog.setLabelText(WidgetText(prompt));
  dialog.setTextValue(WidgetText(defaultText));
  // Wide enough for its whole title beside the title bar's buttons. The
  // dialog takes its size from its layout, so the text box is widened.
  if (auto* box = dialog.findChild<QLineEdit*>())
    box->setMinimumWidth(dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) + kTitleBarButtonsWidth);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}

std::optional<std::string> QtUi::ChooseFile(const ChooserRequest& request) { return m_chooser(request); }

void QtUi::PlaceWindow(QWidget* window, std::string_view placeName) {
  m_placeKeeper.Place(window, placeName, m_mapSurface);
}

void QtUi::ShowWindow(WindowId id) { BringForward(id); }

void QtUi::HideWindow(WindowId id) {
  if (Entry* entry = Find(id)) entry->widget->hide();
}

void QtUi::BringForward(WindowId id) {
  Entry* entry = m_ended ? nullptr : Find(id);
  if (!entry) return;
  // An open window stays where it is.
  if (!entry->widget->isVisible()) PlaceWindow(entry->widget, WindowPlaceName(id));
  entry->widget->show();
  entry->widget->raise();
  entry->widget->activateWindow();
}

void QtUi::RefreshWindow(WindowId id) {
  // A window not created yet builds its widgets from the state when it is.
  const auto it = m_windows.find(id);
  if (it != m_windows.end() && it->second.widget && it->second.tool) it->second.tool->Refresh();
}

void QtUi::ProcessEvents() {
  // Long runs draw between their waits; the map shows each step.
  if (m_mapSurface) m_mapSurface->update();
  // Waits call this over and over: a short event loop instead of a bare
  // processEvents keeps the window responsive without spinning a core.
  QEventLoop slice;
  QTimer::singleShot(kEventSliceMs, &slice, &QEventLoop::quit);
  slice.exec();
}

double QtUi::TimeOfDaySeconds() {
  return QTime::currentTime().msecsSinceStartOfDay() / kMillisecondsPerSecond;
}

std::optional<std::string> QtUi::ClipboardText() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasText()) return std::nullopt;
  return data->text().toStdString();
}

std::optional<Picture> QtUi::ClipboardPicture() {
  const QImage image = QGuiApplication::clipboard()->image();
  if (image.isNull()) return std::nullopt;
  return ToPicture(image);
}

void QtUi::SetClipboardText(const std::string& text) {
  // A new mime data object holds the text only: a picture there before is gone.
  auto* data = new QMimeData;
  data->setText(QString::fromStdString(text));
  QGuiApplication::clipboard()->setMimeData(data);
}

void QtUi::SetClipboardPicture(const Picture& picture) {
  QGuiApplication::clipboard()->setImage(ToQImage(picture));
}

}  // namespace nimbara
