#include "qt/windows/Cont.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "app/FileListing.h"
#include "app/SlideShow.h"
#include "qt/WidgetText.h"

namespace nimbara {
namespace {

constexpr const char* kParentFolder = "..";
constexpr std::array<const char*, kContOptionCount> kDesignOptionCaptions = {"*.gif", "*.bmp", "*.jpg",
                                                                              kContAllFilesCaption};

std::string ToUtf8(const QString& text) { return text.toStdString(); }

}  // namespace

Cont::Cont(AppContext app, QWidget* parent) : MapToolWindow(app, parent, Qt::Dialog) {
  setWindowModality(Qt::ApplicationModal);
  auto* grid = new QGridLayout(this);
  DriveCont = new QComboBox(this);
  for (const QFileInfo& drive : QDir::drives()) DriveCont->addItem(drive.absoluteFilePath());
  DirCont = new QListWidget(this);
  FileCont = new QListWidget(this);
  FileCont->setSelectionMode(QAbstractItemView::ExtendedSelection);
  TxtCont = new QLineEdit(this);
  chkCont = new QCheckBox(WidgetText("繰り返し表示"), this);
  cmdHyouzi = new QPushButton(WidgetText("画像を連続表示"), this);
  cmdHZikan = new QPushButton(WidgetText("時間設定"), this);
  cmdSelectAll = new QPushButton(WidgetText("全ﾌｧｲﾙを選択"), this);
  cmdDelete = new QPushButton(WidgetText("ﾌｧｲﾙ選択 ｸﾘｱｰ"), this);
  cmdEnd = new QPushButton(WidgetText("もどる"), this);
  const std::array<const char*, 4> labelTexts = {kContLabel1, kContLabel2, kContLabel3, kContLabel4};
  for (std::size_t i = 0; i < Labels.size(); ++i) Labels[i] = new QLabel(WidgetText(labelTexts[i]), this);
  for (std::size_t i = 0; i < OptCont.size(); ++i) {
    OptCont[i] = new QRadioButton(WidgetText(kDesignOptionCaptions[i]), this);
    connect(OptCont[i], &QRadioButton::clicked, this, [this, i] { OptCont_Click(static_cast<int>(i)); });
  }

  int row = 0;
  grid->addWidget(DriveCont, row, 0);
  grid->addWidget(TxtCont, row++, 1);
  grid->addWidget(DirCont, row, 0, 6, 1);
  grid->addWidget(FileCont, row, 1, 6, 1);
  for (QRadioButton* option : OptCont) grid->addWidget(option, row++, 2);
  grid->addWidget(chkCont, row++, 2);
  grid->addWidget(cmdSelectAll, row++, 2);
  for (QLabel* label : Labels) grid->addWidget(label, row++, 0, 1, 2);
  grid->addWidget(cmdDelete, row - 4, 2);
  grid->addWidget(cmdHZikan, row - 3, 2);
  grid->addWidget(cmdHyouzi, row - 2, 2);
  grid->addWidget(cmdEnd, row - 1, 2);

  connect(DriveCont, &QComboBox::textActivated, this, &Cont::ChangeFolder);
  connect(DirCont, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    ChangeFolder(QDir(QDir::currentPath()).absoluteFilePath(item->text()));
  });
  connect(TxtCont, &QLineEdit::textEdited, this, &Cont::SetPattern);
  connect(cmdSelectAll, &QPushButton::clicked, this, [this] { SelectAll(true); });
  connect(cmdDelete, &QPushButton::clicked, this, [this] { SelectAll(false); });
  connect(cmdHZikan, &QPushButton::clicked, this, [this] { AskSlideShowPause(m_app); });
  connect(cmdHyouzi, &QPushButton::clicked, this, &Cont::cmdHyouzi_Click);
  connect(cmdEnd, &QPushButton::clicked, this, &QWidget::close);
}

void Cont::Form_Load() {
  const ContLayout layout = ContLayoutForKind(m_app.state.slideShowKind);
  setWindowTitle(WidgetText(layout.caption));
  for (std::size_t i = 0; i < OptCont.size(); ++i) {
    const ContOption& option = layout.options[i];
    OptCont[i]->setVisible(option.visible);
    OptCont[i]->setText(WidgetText(option.caption.empty() ? kDesignOptionCaptions[i] : option.caption));
  }
  OptCont[static_cast<std::size_t>(layout.selectedOption)]->setChecked(true);
  chkCont->setChecked(true);
  TxtCont->setText(WidgetText(layout.pattern));
  m_pattern = TxtCont->text();
  ChangeFolder(QDir::currentPath());
}

void Cont::OptCont_Click(int index) {
  const QString pattern = WidgetText(ContOptionPattern(m_app.state.slideShowKind, index));
  TxtCont->setText(pattern);
  SetPattern(pattern);
}

void Cont::SetPattern(const QString& pattern) {
  m_pattern = pattern;
  RefreshFiles();
}

void Cont::ChangeFolder(const QString& folder) {
  SetCurrentDirectory(ToUtf8(QDir(folder).absolutePath()));
  RefreshFolders();
  RefreshFiles();
}

void Cont::RefreshFolders() {
  DirCont->clear();
  const QDir current = QDir::current();
  if (!current.isRoot()) DirCont->addItem(kParentFolder);
  DirCont->addItems(current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
  const QString root = QDir(current.rootPath()).absolutePath();
  const int drive = DriveCont->findText(root);
  if (drive >= 0) DriveCont->setCurrentIndex(drive);
}

void Cont::RefreshFiles() {
  FileCont->clear();
  for (const std::string& name : ListFiles(CurrentDirectory(), ToUtf8(m_pattern)))
    FileCont->addItem(QString::fromStdString(name));
}

void Cont::SelectAll(bool selected) {
  for (int i = 0; i < FileCont->count(); ++i) FileCont->item(i)->setSelected(selected);
}

void Cont::cmdHyouzi_Click() {
  SlideShowList list;
  for (int i = 0; i < FileCont->count(); ++i) {
    list.entries.push_back(ToUtf8(FileCont->item(i)->text()));
    list.selected.push_back(FileCont->item(i)->isSelected());
  }
  m_running = true;
  PlaySlideShow(m_app, list, [this] { return chkCont->isChecked(); });
  m_running = false;
}

void Cont::showEvent(QShowEvent* event) {
  // Shown again after a run: the selection and settings stay as they were.
  if (!event->spontaneous() && !m_running) Form_Load();
  QWidget::showEvent(event);
}

void Cont::closeEvent(QCloseEvent* event) {
  m_app.state.clickMode = ClickMode::None;
  QWidget::closeEvent(event);
}

}  // namespace nimbara
