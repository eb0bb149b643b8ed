#include "qt/windows/Renshuu.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/PracticeCommands.h"
#include "app/PracticeReport.h"
#include "app/SlideShow.h"
#include "qt/MapSurface.h"
#include "qt/WidgetText.h"
#include "render/PracticeLayer.h"

namespace nimbara {
namespace {

constexpr double kLowestValue = 900.0;
constexpr double kHighestValue = 1100.0;
constexpr int kStrokeWidth = 2;

QString ReportText(const PracticeScore& score) {
  QStringList lines;
  for (const std::string& line : PracticeReportLines(score)) lines << WidgetText(line);
  return lines.join('\n');
}

}  // namespace

Renshuu::Renshuu(AppContext app, QWidget* parent) : QWidget(parent, Qt::Window), m_app(app) {
  setWindowTitle(WidgetText(kPracticeTitle));
  auto* layout = new QHBoxLayout(this);
  Picture1 = new MapSurface(m_canvas, this);
  layout->addWidget(Picture1, 1);
  auto* column = new QVBoxLayout;
  layout->addLayout(column);
  column->addWidget(new QLabel(WidgetText("引く線の気圧（hPa）"), this));
  txtKiatu = new QDoubleSpinBox(this);
  txtKiatu->setRange(kLowestValue, kHighestValue);
  column->addWidget(txtKiatu);
  const auto option = [this, column](const char* caption, PracticeTool tool) {
    auto* button = new QRadioButton(WidgetText(caption), this);
    column->addWidget(button);
    connect(button, &QRadioButton::toggled, this, [this, tool](bool on) {
      if (on) SetTool(tool);
    });
    return button;
  };
  optHiku = option("線を引く", PracticeTool::Draw);
  optKesu = option("線を消す", PracticeTool::Erase);
  optKou = option("高を置く", PracticeTool::High);
  optTei = option("低を置く", PracticeTool::Low);
  optHiku->setChecked(true);
  const auto button = [this, column](const char* caption) {
    auto* pushButton = new QPushButton(WidgetText(caption), this);
    column->addWidget(pushButton);
    return pushButton;
  };
  cmdModosu = button("元に戻す");
  cmdKotae = button("答え合わせ");
  cmdSave = button("保存");
  cmdLoad = button("読みこみ");
  cmdRenzoku = button("連続表示");
  cmdEnd = button("閉じる");
  txtKekka = new QPlainTextEdit(this);
  txtKekka->setReadOnly(true);
  column->addWidget(txtKekka, 1);

  connect(txtKiatu, &QDoubleSpinBox::valueChanged, this, [this](double value) { m_app.state.practice.value = value; });
  const auto undo = [this] {
    if (UndoPractice(m_app.state)) Redraw();
  };
  connect(cmdModosu, &QPushButton::clicked, this, undo);
  connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, this, undo);
  connect(cmdKotae, &QPushButton::clicked, this, &Renshuu::cmdKotae_Click);
  connect(cmdSave, &QPushButton::clicked, this, [this] { SavePractice(Context()); });
  connect(cmdLoad, &QPushButton::clicked, this, [this] {
    if (LoadPractice(Context())) Redraw();
  });
  connect(cmdRenzoku, &QPushButton::clicked, this, [this] { mnuRenshuuRenzoku_Click(m_app); });
  connect(cmdEnd, &QPushButton::clicked, this, &QWidget::close);
  connect(Picture1, &MapSurface::MousePressed, this, &Renshuu::Picture1_MouseDown);
  connect(Picture1, &MapSurface::PointerMoved, this, &Renshuu::Picture1_MouseMove);
  Picture1->installEventFilter(this);
}

void Renshuu::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    txtKekka->clear();
    m_canvas.SetBackColour(m_app.canvas.BackColour());
    if (const std::optional<Picture> picture = m_app.canvas.GetPicture()) m_canvas.SetPicture(*picture);
    else m_canvas.ClearPicture();
    if (StartPractice(Context())) {
      txtKiatu->setSingleStep(PracticeValueStep(m_app.state));
      txtKiatu->setDecimals(PracticeValueStep(m_app.state) == std::floor(PracticeValueStep(m_app.state)) ? 0 : 1);
      txtKiatu->setValue(m_app.state.practice.value);
      SetTool(m_app.state.practice.tool);
      Picture1->update();
    }
  }
  QWidget::showEvent(event);
}

bool Renshuu::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Picture1 && event->type() == QEvent::MouseButtonRelease) Picture1_MouseUp();
  return QWidget::eventFilter(watched, event);
}

void Renshuu::SetTool(PracticeTool tool) { m_app.state.practice.tool = tool; }

void Renshuu::Picture1_MouseDown(Qt::MouseButton button, double x, double y) {
  if (button != Qt::LeftButton) return;
  const PointF at{x, y};
  switch (m_app.state.practice.tool) {
    case PracticeTool::Draw:
      m_stroke = Path{at};
      return;
    case PracticeTool::Erase:
      if (ErasePracticeLineAt(m_app.state, at)) Redraw();
      return;
    case PracticeTool::High:
    case PracticeTool::Low:
      AddPracticeMark(m_app.state,
                      m_app.state.practice.tool == PracticeTool::High ? CentreMarkKind::High : CentreMarkKind::Low, at);
      Redraw();
      return;
  }
}

void Renshuu::Picture1_MouseMove(double x, double y) {
  if (!m_stroke || !(QApplication::mouseButtons() & Qt::LeftButton)) return;
  // The stroke shows as it is drawn; the whole map is drawn again when it ends.
  m_canvas.SetLineWidth(kStrokeWidth);
  m_canvas.Line(m_stroke->back(), {x, y}, kPupilLineColour);
  m_stroke->push_back({x, y});
  Picture1->update();
}

void Renshuu::Picture1_MouseUp() {
  if (!m_stroke) return;
  AddPracticeLine(m_app.state, *m_stroke);
  m_stroke.reset();
  Redraw();
}

void Renshuu::cmdKotae_Click() {
  if (const std::optional<PracticeScore> score = CheckPractice(Context())) txtKekka->setPlainText(ReportText(*score));
  Picture1->update();
}

void Renshuu::Redraw() {
  txtKekka->clear();
  DrawPracticeMap(Context());
  Picture1->update();
}

}  // namespace nimbara
