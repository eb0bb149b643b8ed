#include "qt/windows/Teisei.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <array>

#include "app/FileCommands.h"
#include "app/Guides.h"
#include "app/IsobarCommands.h"
#include "qt/WidgetText.h"

namespace nimbara {
namespace {

constexpr const char* kCaption = "等圧線の修正";
constexpr const char* kTitle = "    等圧線の修正";
constexpr const char* kDesignText = "ボタンをクリックしてから、地図をクリックしてください．";
constexpr const char* kOpeningText = "ボタンをクリック\r\nして下さい。\r\n";
constexpr const char* kReadText = "気圧を調べます　地図をクリックしてください。";
constexpr const char* kRaiseText = "気圧増    左 ｸﾘｯｸ 右+２    +.5";
constexpr const char* kLowerText = "気圧減    左 ｸﾘｯｸ 右 -２    -.5";
constexpr const char* kCalculatingText = "計算中";

struct ModeText {
  ClickMode mode;
  const char* text;
};
constexpr std::array<ModeText, 3> kModeTexts = {
    {{ClickMode::Read, kReadText}, {ClickMode::Raise, kRaiseText}, {ClickMode::Lower, kLowerText}}};

}  // namespace

Teisei::Teisei(AppContext app, QWidget* parent) : MapToolWindow(app, parent, Qt::Tool) {
  setWindowTitle(WidgetText(kCaption));
  auto* layout = new QVBoxLayout(this);
  Label1 = new QLabel(WidgetText(kTitle), this);
  Text1 = new QPlainTextEdit(WidgetText(kDesignText), this);
  Text1->setMaximumHeight(Text1->fontMetrics().lineSpacing() * 4);
  layout->addWidget(Label1);
  layout->addWidget(Text1);
  const auto button = [this, layout](const char* caption) { return AddButton(layout, caption); };
  cmdPlus = button("気圧　＋");
  cmdMinus = button("気圧　－");
  cmdKiatu = button("気圧？");
  cmdHelp = button("説明");
  cmdKankaku = button("間隔");
  cmdHeikin = button("データの平均");
  cmdDLine = button("等圧線を描く");
  cmdSave = button("等圧線の保存");
  cmdEnd = button("もどる");

  connect(cmdPlus, &QPushButton::clicked, this, [this] { ChooseMode(ClickMode::Raise); });
  connect(cmdMinus, &QPushButton::clicked, this, [this] { ChooseMode(ClickMode::Lower); });
  connect(cmdKiatu, &QPushButton::clicked, this, [this] { ChooseMode(ClickMode::Read); });
  connect(cmdHelp, &QPushButton::clicked, this, [this] { ShowHelp(m_app, TeiseiHelp()); });
  connect(cmdKankaku, &QPushButton::clicked, this, [this] {
    ChangeIsobarInterval(m_app, std::string(kTeiseiIntervalDefault));
    emit MapChanged();
  });
  connect(cmdHeikin, &QPushButton::clicked, this, &Teisei::cmdHeikin_Click);
  connect(cmdDLine, &QPushButton::clicked, this, [this] {
    RedrawIsobarMap(m_app);
    emit MapChanged();
  });
  connect(cmdSave, &QPushButton::clicked, this, [this] { SaveIsobarFile(m_app); });
  connect(cmdEnd, &QPushButton::clicked, this, &QWidget::close);
}

void Teisei::ShowPressure(const std::string& hPa) { Text1->setPlainText(WidgetText(hPa)); }

void Teisei::ChooseMode(ClickMode mode) {
  m_app.state.clickMode = mode;
  ShowModeText();
}

void Teisei::ShowModeText() {
  const ClickMode mode = m_app.state.clickMode;
  for (const ModeText& entry : kModeTexts) {
    if (entry.mode != mode) continue;
    Text1->setPlainText(WidgetText(entry.text));
    m_shownMode = mode;
  }
}

void Teisei::Refresh() {
  if (m_app.state.clickMode != m_shownMode) ShowModeText();
}

void Teisei::cmdHeikin_Click() {
  Text1->setPlainText(WidgetText(kCalculatingText));
  Text1->repaint();
  AverageIsobarField(m_app);
  Text1->clear();
  emit MapChanged();
}

void Teisei::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    m_app.state.clickMode = m_shownMode = ClickMode::Read;
    Text1->setPlainText(WidgetText(kOpeningText));
  }
  QWidget::showEvent(event);
}

void Teisei::closeEvent(QCloseEvent* event) {
  m_app.state.clickMode = ClickMode::None;
  QWidget::closeEvent(event);
}

}  // namespace nimbara
