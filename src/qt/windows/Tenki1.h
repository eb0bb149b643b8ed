#pragma once
// 気象データの入力: the station weather of each station, typed in station
// after station.

#include "app/StationEntry.h"
#include "qt/windows/EntryWindow.h"

namespace nimbara {

class Tenki1 : public EntryWindow {
  Q_OBJECT
 public:
  explicit Tenki1(AppContext app, QWidget* parent = nullptr);

 private:
  void Tugi_Click();
  void cmdDelete_Click();
  void Modoru_Click() override;
  void ShowRecord(int row) override;
  void Setumei_Click();
  StationFields Fields();

  QComboBox* m_huukou;
  NumericField* m_huuryoku;
  QComboBox* m_tenki;
  NumericField* m_kiatu;
  NumericField* m_ondo;
};

inline constexpr const char* kTenki1Caption = "気象データの入力";

}  // namespace nimbara
