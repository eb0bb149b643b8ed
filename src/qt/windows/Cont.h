#pragma once
// The slide-show window: pick files of one kind (data files, isobar files or
// satellite pictures) in a folder and play them on the map one after another.
// It is application-modal while shown; during a run it is hidden so that a
// click on the map can stop the run.

#include <array>

#include "qt/windows/MapToolWindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace nimbara {

class Cont : public MapToolWindow {
  Q_OBJECT
 public:
  Cont(AppContext app, QWidget* parent);

  QComboBox* DriveCont;
  QListWidget* DirCont;
  QListWidget* FileCont;
  QLineEdit* TxtCont;
  std::array<QRadioButton*, 4> OptCont;
  QCheckBox* chkCont;
  QPushButton* cmdHyouzi;
  QPushButton* cmdHZikan;
  QPushButton* cmdSelectAll;
  QPushButton* cmdDelete;
  QPushButton* cmdEnd;
  std::array<QLabel*, 4> Labels;  // Label1 to Label4

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Form_Load();
  void OptCont_Click(int index);
  void SetPattern(const QString& pattern);
  void ChangeFolder(const QString& folder);
  void RefreshFolders();
  void RefreshFiles();
  void SelectAll(bool selected);
  void cmdHyouzi_Click();

  QString m_pattern;
  bool m_running = false;
};

}  // namespace nimbara
