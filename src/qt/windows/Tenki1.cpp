#include "qt/windows/Tenki1.h"

#include <QComboBox>
#include <QPushButton>

#include "app/Guides.h"
#include "core/CodeTables.h"
#include "qt/windows/NumericField.h"

namespace nimbara {

Tenki1::Tenki1(AppContext app, QWidget* parent) : EntryWindow(app, app.state.stationRows, kTenki1Caption, parent) {
  LoadStationRows(app.state);
  AddListLabel("観　測　地");
  m_huukou = AddChoice("風　向", "Huukou", kWindDirectionList, kInitialDirectionChoice);
  m_huuryoku = AddNumber("風力", EntryField::Force, "Huuryoku");
  m_tenki = AddChoice("天　気", "Tenki", kWeatherList, kInitialWeatherChoice);
  m_kiatu = AddNumber("気圧", EntryField::Pressure, "Kiatu");
  m_ondo = AddNumber("気温", EntryField::Temperature, "Ondo");
  connect(AddEnterButton(), &QPushButton::clicked, this, &Tenki1::Tugi_Click);
  connect(AddButton("cmdDelete", "削除"), &QPushButton::clicked, this, &Tenki1::cmdDelete_Click);
  connect(AddButton("Modoru", "もどる"), &QPushButton::clicked, this, &Tenki1::Modoru_Click);
  connect(AddButton("Setumei", "説明"), &QPushButton::clicked, this, &Tenki1::Setumei_Click);
  ChainTabs({m_huukou, m_huuryoku, m_tenki, m_kiatu, m_ondo});
  Refresh();
}

StationFields Tenki1::Fields() {
  return {m_huukou->currentIndex(), m_huuryoku->SettledText(), m_tenki->currentIndex(), m_kiatu->SettledText(),
          m_ondo->SettledText()};
}

void Tenki1::Tugi_Click() {
  EnterStation(m_app.state, Fields());
  ShowRows();
}

void Tenki1::cmdDelete_Click() {
  DeleteStation(m_app.state);
  ShowRows();
}

void Tenki1::ShowRecord(int row) {
  const StationFields fields = StationFieldsOf(m_app.state.store, row);
  ShowChoice(m_huukou, fields.direction);
  m_huuryoku->Show(fields.force);
  ShowChoice(m_tenki, fields.weather);
  m_kiatu->Show(fields.pressure);
  m_ondo->Show(fields.temperature);
}

void Tenki1::Modoru_Click() { CloseStationWindow(m_app, TypedDate()); }

void Tenki1::Setumei_Click() { ShowHelp(m_app, TenkiHelp()); }

}  // namespace nimbara
