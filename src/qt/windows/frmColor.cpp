#include "qt/windows/frmColor.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include "qt/QtCanvas.h"
#include "qt/WidgetText.h"

namespace nimbara {
namespace {

constexpr int kSampleSide = 24;

// The slot of label and sample box i (0 to 9): the slots count from 1.
ColourSlot SlotOfBox(int i) { return ColourSlotNumbered(i + 1); }

QSlider* MakeSlider(QWidget* parent) {
  auto* slider = new QSlider(Qt::Vertical, parent);
  slider->setRange(0, kSliderMax);
  return slider;
}

void Paint(QFrame* box, Colour colour) {
  QPalette palette = box->palette();
  palette.setColor(QPalette::Window, ToQColor(colour));
  box->setPalette(palette);
}

}  // namespace

frmColor::frmColor(AppContext app, QWidget* parent)
    : QDialog(parent), m_app(app), m_model(app.state.colours) {
  setWindowTitle(WidgetText(kColourWindowTitle));
  auto* grid = new QGridLayout(this);
  for (int i = 0; i < kColourSlotCount; ++i) {
    Labels[i] = new QLabel(WidgetText(kColourSlotCaptions[i]), this);
    Pictures[i] = new QFrame(this);
    Pictures[i]->setFixedSize(kSampleSide, kSampleSide);
    Pictures[i]->setAutoFillBackground(true);
    Labels[i]->installEventFilter(this);
    Pictures[i]->installEventFilter(this);
    grid->addWidget(Pictures[i], i, 0);
    grid->addWidget(Labels[i], i, 1);
  }
  VScroll1 = MakeSlider(this);
  VScroll2 = MakeSlider(this);
  VScroll3 = MakeSlider(this);
  int column = 2;
  for (QSlider* slider : {VScroll1, VScroll2, VScroll3}) {
    grid->addWidget(slider, 0, column++, kColourSlotCount - 3, 1);
    connect(slider, &QSlider::valueChanged, this, &frmColor::SliderMoved);
  }
  Command3 = new QPushButton(WidgetText(kStartupColoursCaption), this);
  Command1 = new QPushButton(WidgetText(kOkCaption), this);
  Command2 = new QPushButton(WidgetText(kCancelCaption), this);
  grid->addWidget(Command3, kColourSlotCount - 3, 2, 1, 3);
  grid->addWidget(Command1, kColourSlotCount - 2, 2, 1, 3);
  grid->addWidget(Command2, kColourSlotCount - 1, 2, 1, 3);

  connect(Command3, &QPushButton::clicked, this, [this] {
    m_model.Command3_Click();
    ShowModel();
  });
  connect(Command1, &QPushButton::clicked, this, [this] {
    m_model.Command1_Click(m_app);
    emit MapChanged();
    accept();
  });
  connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
  ShowModel();
}

bool frmColor::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    for (int i = 0; i < kColourSlotCount; ++i) {
      if (watched == Labels[i] || watched == Pictures[i]) {
        SelectSlot(SlotOfBox(i));
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void frmColor::SelectSlot(ColourSlot slot) {
  m_model.SelectSlot(slot);
  ShowModel();
}

void frmColor::SliderMoved() {
  m_model.SetSliders({VScroll1->value(), VScroll2->value(), VScroll3->value()});
  ShowModel();
}

void frmColor::ShowModel() {
  for (int i = 0; i < kColourSlotCount; ++i) {
    const bool selected = SlotOfBox(i) == m_model.SelectedSlot();
    Paint(Pictures[i], m_model.Sample(SlotOfBox(i)));
    Pictures[i]->setFrameShape(selected ? QFrame::Box : QFrame::NoFrame);
    QFont font = Labels[i]->font();
    font.setBold(selected);  // the selected slot's label is shown bold
    Labels[i]->setFont(font);
  }
  const SliderValues values = m_model.Sliders();
  const QSignalBlocker red(VScroll1), green(VScroll2), blue(VScroll3);
  VScroll1->setValue(values.red);
  VScroll2->setValue(values.green);
  VScroll3->setValue(values.blue);
}

}  // namespace nimbara
