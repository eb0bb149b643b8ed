#include "qt/windows/frmOpenSave.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>

#include "app/Chooser.h"
#include "app/FileListing.h"
#include "qt/QtCanvas.h"
#include "qt/WidgetText.h"

namespace nimbara {
namespace {

constexpr int kListWidth = 220;
constexpr int kListHeight = 220;
const QString kIndent = QStringLiteral("  ");

// The places a drive list offers on this system: the root, the home folder
// and mounted media.
QStringList DrivePlaces() {
  QStringList places = {QDir::rootPath(), QDir::homePath()};
  const QString user = qEnvironmentVariable("USER");
  for (const QString& mounts : {QStringLiteral("/media"), QStringLiteral("/media/") + user,
                                QStringLiteral("/mnt"), QStringLiteral("/run/media/") + user}) {
    for (const QFileInfo& info : QDir(mounts).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
      const QString path = info.absoluteFilePath();
      if (!places.contains(path) && path != QStringLiteral("/media/") + user) places.append(path);
    }
  }
  return places;
}

// The folder and the folders above it, from the root down.
QStringList FolderChain(const QString& folder) {
  QStringList chain;
  QDir dir(folder);
  chain.prepend(dir.absolutePath());
  while (dir.cdUp()) chain.prepend(dir.absolutePath());
  return chain;
}

QString ListFolderName(const QString& path) {
  const QString name = QDir(path).dirName();
  return name.isEmpty() ? path : name;
}

void Warn(QWidget* parent, const std::string& text) {
  QMessageBox box(QMessageBox::Warning, QString(), WidgetText(text), QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace

frmOpenSave::frmOpenSave(QWidget* parent) : QDialog(parent) {
  setModal(true);
  auto* layout = new QGridLayout(this);
  txtOpenSave = new QLineEdit(this);
  filOpenSave = new QListWidget(this);
  filOpenSave->setMinimumSize(kListWidth, kListHeight);
  lblOpenSave[0] = new QLabel(WidgetText("ﾄﾞﾗｲﾌﾞ(&V):"), this);
  lblOpenSave[1] = new QLabel(WidgetText("ﾃﾞｨﾚｸﾄﾘ(&D)"), this);
  lblOpenSave[2] = new QLabel(this);
  lblOpenSave[2]->setWordWrap(true);
  dirOpenSave = new QListWidget(this);
  dirOpenSave->setMinimumSize(kListWidth, kListHeight);
  drvOpenSave = new QComboBox(this);
  lblOpenSave[0]->setBuddy(drvOpenSave);
  lblOpenSave[1]->setBuddy(dirOpenSave);
  cmdOpenSave[0] = new QPushButton(QStringLiteral("OK"), this);
  cmdOpenSave[1] = new QPushButton(WidgetText("ｷｬﾝｾﾙ"), this);
  cmdOpenSave[0]->setDefault(true);

  layout->addWidget(txtOpenSave, 0, 0);
  layout->addWidget(filOpenSave, 1, 0, 4, 1);
  layout->addWidget(lblOpenSave[1], 0, 1);
  layout->addWidget(lblOpenSave[2], 1, 1);
  layout->addWidget(dirOpenSave, 2, 1);
  layout->addWidget(lblOpenSave[0], 3, 1);
  layout->addWidget(drvOpenSave, 4, 1);
  layout->addWidget(cmdOpenSave[0], 0, 2);
  layout->addWidget(cmdOpenSave[1], 1, 2, Qt::AlignTop);
  for (int i = 0; i < kImageTypeCount; ++i) {
    Options[static_cast<std::size_t>(i)] =
        new QRadioButton(WidgetText(kImageTypes[static_cast<std::size_t>(i)].caption), this);
    Options[static_cast<std::size_t>(i)]->hide();
    layout->addWidget(Options[static_cast<std::size_t>(i)], 5 + i, 0);
    connect(Options[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
            [this, i] { Option_Click(i); });
  }

  connect(drvOpenSave, &QComboBox::activated, this, &frmOpenSave::drvOpenSave_Change);
  connect(dirOpenSave, &QListWidget::itemActivated, this, &frmOpenSave::dirOpenSave_Change);
  connect(filOpenSave, &QListWidget::itemClicked, this, &frmOpenSave::filOpenSave_Click);
  // Moving the selection with the keyboard names the file as a click does.
  connect(filOpenSave, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* current) {
    if (current) filOpenSave_Click(current);
  });
  connect(filOpenSave, &QListWidget::itemDoubleClicked, this, &frmOpenSave::filOpenSave_DblClick);
  connect(cmdOpenSave[0], &QPushButton::clicked, this, [this] { cmdOpenSave_Click(0); });
  connect(cmdOpenSave[1], &QPushButton::clicked, this, [this] { cmdOpenSave_Click(1); });
}

std::optional<std::string> frmOpenSave::Choose(const ChooserRequest& request) {
  m_request = request;
  m_chosen.reset();
  setWindowTitle(WidgetText(request.caption));
  if (request.background) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(*request.background));
    setPalette(colours);
    setAutoFillBackground(true);
  }
  for (QRadioButton* option : Options) option->setVisible(request.showImageOptions);
  // The pattern the request starts with is the first option's.
  if (request.showImageOptions) Options[0]->setChecked(true);
  FillDrives();
  SetFolder(QDir::currentPath());
  txtOpenSave->clear();
  SetPattern(WidgetText(request.pattern));
  txtOpenSave->selectAll();
  txtOpenSave->setFocus();
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  exec();
  return m_chosen;
}

void frmOpenSave::done(int result) {
  for (QRadioButton* option : Options) option->hide();
  QDialog::done(result);
}

void frmOpenSave::FillDrives() {
  drvOpenSave->clear();
  for (const QString& place : DrivePlaces()) drvOpenSave->addItem(place, place);
}

void frmOpenSave::drvOpenSave_Change(int index) {
  const QString place = drvOpenSave->itemData(index).toString();
  if (!QDir(place).exists()) {
    Warn(this, kPathNotFoundWarning);
    ShowDrive();
    return;
  }
  SetFolder(place);
}

void frmOpenSave::dirOpenSave_Change(QListWidgetItem* item) {
  SetFolder(item->data(Qt::UserRole).toString());
}

void frmOpenSave::filOpenSave_Click(QListWidgetItem* item) { txtOpenSave->setText(item->text()); }

void frmOpenSave::filOpenSave_DblClick(QListWidgetItem* item) {
  // A save that would replace the file asks first, as OK does.
  if (m_request.saving)
    Confirm(item->text().toStdString(), {});
  else
    Accept(JoinPath(m_folder.toStdString(), item->text().toStdString()));
}

void frmOpenSave::cmdOpenSave_Click(int index) {
  if (index == 1) {
    reject();
    return;
  }
  const QListWidgetItem* selected = filOpenSave->currentItem();
  Confirm(txtOpenSave->text().toStdString(), selected ? selected->text().toStdString() : std::string());
}

void frmOpenSave::Confirm(const std::string& nameText, const std::string& selectedName) {
  const OkDecision decision =
      DecideOk(m_request, nameText, selectedName, m_folder.toStdString(), m_pattern.toStdString());
  switch (decision.step) {
    case OkStep::ShowList:
      if (SetFolder(QString::fromStdString(decision.folder))) SetPattern(QString::fromStdString(decision.pattern));
      break;
    case OkStep::AskOverwrite: {
      // Titled by the chooser's own caption (データファイル保存, …): the
      // question belongs to the save under way.
      QMessageBox box(QMessageBox::Question, windowTitle(), WidgetText(decision.question),
                      QMessageBox::Yes | QMessageBox::No, this);
      box.setDefaultButton(QMessageBox::No);
      if (box.exec() == QMessageBox::Yes)
        Accept(decision.path);
      else
        reject();
      break;
    }
    case OkStep::Accept:
      Accept(decision.path);
      break;
    case OkStep::Warn:
      Warn(this, decision.warning);
      break;
  }
}

void frmOpenSave::Option_Click(int index) {
  txtOpenSave->clear();
  SetFolder(QDir::currentPath());
  SetPattern(WidgetText(kImageTypes[static_cast<std::size_t>(index)].pattern));
}

bool frmOpenSave::SetFolder(const QString& folder) {
  const QString path = QDir(folder).absolutePath();
  if (!EnterFolder(path.toStdString())) {
    Warn(this, kFolderNotEnteredWarning);
    ShowDrive();
    return false;
  }
  m_folder = path;
  lblOpenSave[2]->setText(m_folder);
  ShowDrive();
  FillFolders();
  FillFiles();
  return true;
}

void frmOpenSave::ShowDrive() {
  int best = 0;
  for (int i = 0; i < drvOpenSave->count(); ++i) {
    const QString place = drvOpenSave->itemData(i).toString();
    const bool contains = m_folder == place || m_folder.startsWith(place.endsWith('/') ? place : place + '/');
    if (contains && place.size() >= drvOpenSave->itemData(best).toString().size()) best = i;
  }
  drvOpenSave->setCurrentIndex(best);
}

void frmOpenSave::SetPattern(const QString& pattern) {
  m_pattern = pattern;
  txtOpenSave->setText(pattern);
  FillFiles();
}

void frmOpenSave::FillFolders() {
  dirOpenSave->clear();
  const QStringList chain = FolderChain(m_folder);
  QString indent;
  for (const QString& path : chain) {
    auto* item = new QListWidgetItem(indent + ListFolderName(path), dirOpenSave);
    item->setData(Qt::UserRole, path);
    indent += kIndent;
  }
  dirOpenSave->setCurrentRow(static_cast<int>(chain.size()) - 1);
  const QDir dir(m_folder);
  for (const QFileInfo& info : dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    auto* item = new QListWidgetItem(indent + info.fileName(), dirOpenSave);
    item->setData(Qt::UserRole, info.absoluteFilePath());
  }
}

void frmOpenSave::FillFiles() {
  // A new list keeps the name box as it is (it shows the pattern or a typed name).
  const QSignalBlocker quiet(filOpenSave);
  filOpenSave->clear();
  // The list the slide show and the browse buttons step through, in their order.
  for (const std::string& name : ListFiles(m_folder.toStdString(), m_pattern.toStdString()))
    filOpenSave->addItem(QString::fromStdString(name));
}

void frmOpenSave::Accept(const std::string& path) {
  m_chosen = path;
  accept();
}

}  // namespace nimbara
