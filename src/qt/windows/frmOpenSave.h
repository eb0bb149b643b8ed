#pragma once
// The program's own file chooser: a drive list, a folder list, a file list
// filtered by a pattern and a name box. The chosen folder becomes the current
// directory, which the slide show and the browse buttons rely on. Closing it
// in any way but OK or a double click cancels.

#include <QDialog>

#include <array>
#include <optional>
#include <string>

#include "app/ChooserRequests.h"
#include "app/Ui.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

namespace nimbara {

inline constexpr int kImageTypeCount = static_cast<int>(kImageTypes.size());

class frmOpenSave : public QDialog {
  Q_OBJECT
 public:
  explicit frmOpenSave(QWidget* parent = nullptr);

  // Shows the chooser modally: the chosen path, or nothing when cancelled.
  std::optional<std::string> Choose(const ChooserRequest& request);

  QString Folder() const { return m_folder; }
  QString Pattern() const { return m_pattern; }

  QComboBox* drvOpenSave;
  QListWidget* dirOpenSave;
  QListWidget* filOpenSave;
  QLineEdit* txtOpenSave;
  std::array<QLabel*, 3> lblOpenSave;
  std::array<QPushButton*, 2> cmdOpenSave;             // OK, ｷｬﾝｾﾙ
  std::array<QRadioButton*, kImageTypeCount> Options;  // Option1 to Option4: the kImageTypes

 protected:
  void done(int result) override;

 private:
  void drvOpenSave_Change(int index);
  void dirOpenSave_Change(QListWidgetItem* item);
  void filOpenSave_Click(QListWidgetItem* item);
  void filOpenSave_DblClick(QListWidgetItem* item);
  void cmdOpenSave_Click(int index);
  void Option_Click(int index);
  // OK on a name: shows the list it names, warns, asks about overwriting or accepts.
  void Confirm(const std::string& nameText, const std::string& selectedName);

  // The folder list, file list, label and current directory follow `folder`;
  // a folder that cannot be entered is reported and nothing changes (false).
  bool SetFolder(const QString& folder);
  // The drive list shows the place that holds the folder.
  void ShowDrive();
  // The file list's pattern; the name box shows it.
  void SetPattern(const QString& pattern);
  void FillDrives();
  void FillFolders();
  void FillFiles();
  void Accept(const std::string& path);

  ChooserRequest m_request;
  QString m_folder;
  QString m_pattern;
  std::optional<std::string> m_chosen;
};

}  // namespace nimbara
