#pragma once
// 船舶からの報告データの入力: reports from ships and buoys at a latitude and
// longitude.

#include "app/ShipEntry.h"
#include "qt/windows/EntryWindow.h"

namespace nimbara {

class Kaiyou1 : public EntryWindow {
  Q_OBJECT
 public:
  explicit Kaiyou1(AppContext app, QWidget* parent = nullptr);

 private:
  void Tugi_Click();
  void cmdDelete_Click();
  void Modoru_Click() override;
  void ShowRecord(int row) override;
  void Setumei_Click();
  ShipFields Fields();

  NumericField* m_hokui;
  NumericField* m_toukei;
  QComboBox* m_huukou;
  NumericField* m_huuryoku;
  QComboBox* m_tenki;
  NumericField* m_kiatu;
};

inline constexpr const char* kKaiyou1Caption = "船舶からの報告データの入力";

}  // namespace nimbara
