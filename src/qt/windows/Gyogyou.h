#pragma once
// 低気圧や前線の位置の入力: highs, lows, typhoons, fronts and isobar points.

#include "app/SystemEntryEditor.h"
#include "qt/windows/EntryWindow.h"

namespace nimbara {

class Gyogyou : public EntryWindow {
  Q_OBJECT
 public:
  explicit Gyogyou(AppContext app, QWidget* parent = nullptr);

 private:
  void Tugi_Click();
  void cmdDelete_Click();
  void cmdSoko_Click();
  void cmdTyuusin_Click();
  void Modoru_Click() override;
  void ShowRecord(int row) override;
  void Setumei_Click();
  // Runs a command on the rows and shows them.
  void Edit(void (*command)(AppState&));

  NumericField* m_hokui;
  NumericField* m_toukei;
  NumericField* m_kiatu;
  QComboBox* m_syurui;
};

inline constexpr const char* kGyogyouCaption = "低気圧や前線の位置の入力";

}  // namespace nimbara
