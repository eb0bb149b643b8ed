#include "qt/windows/Kaiyou1.h"

#include <QComboBox>
#include <QPushButton>

#include "app/Guides.h"
#include "core/CodeTables.h"
#include "qt/windows/NumericField.h"

namespace nimbara {

Kaiyou1::Kaiyou1(AppContext app, QWidget* parent) : EntryWindow(app, app.state.shipRows, kKaiyou1Caption, parent) {
  LoadShipRows(app.state);
  m_hokui = AddNumber("北緯", EntryField::Latitude, "Hokui");
  m_toukei = AddNumber("東経", EntryField::Longitude, "Toukei");
  m_huukou = AddChoice("風　向", "Huukou", kWindDirectionList, kInitialDirectionChoice);
  m_huuryoku = AddNumber("風力", EntryField::Force, "Huuryoku");
  m_tenki = AddChoice("天　気", "Tenki", kWeatherList, kInitialWeatherChoice);
  m_kiatu = AddNumber("気圧", EntryField::Pressure, "Kiatu");
  connect(AddEnterButton(), &QPushButton::clicked, this, &Kaiyou1::Tugi_Click);
  connect(AddButton("cmdDelete", "削除"), &QPushButton::clicked, this, &Kaiyou1::cmdDelete_Click);
  connect(AddButton("Modoru", "もどる"), &QPushButton::clicked, this, &Kaiyou1::Modoru_Click);
  connect(AddButton("Setumei", "説明"), &QPushButton::clicked, this, &Kaiyou1::Setumei_Click);
  ChainTabs({m_hokui, m_toukei, m_huukou, m_huuryoku, m_tenki, m_kiatu});
  Refresh();
}

ShipFields Kaiyou1::Fields() {
  return {m_hokui->SettledText(), m_toukei->SettledText(), m_huukou->currentIndex(), m_huuryoku->SettledText(),
          m_tenki->currentIndex(), m_kiatu->SettledText()};
}

void Kaiyou1::Tugi_Click() {
  EnterShip(m_app.state, Fields());
  ShowRows();
}

void Kaiyou1::cmdDelete_Click() {
  DeleteShip(m_app.state);
  ShowRows();
}

void Kaiyou1::ShowRecord(int row) {
  const ShipFields fields = ShipFieldsOf(m_app.state.store, row);
  m_hokui->Show(fields.latitude);
  m_toukei->Show(fields.longitude);
  ShowChoice(m_huukou, fields.direction);
  m_huuryoku->Show(fields.force);
  ShowChoice(m_tenki, fields.weather);
  m_kiatu->Show(fields.pressure);
}

void Kaiyou1::Modoru_Click() { CloseShipWindow(m_app, TypedDate()); }

void Kaiyou1::Setumei_Click() { ShowHelp(m_app, KaiyouHelp()); }

}  // namespace nimbara
