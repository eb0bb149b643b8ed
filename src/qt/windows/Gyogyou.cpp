#include "qt/windows/Gyogyou.h"

#include <QComboBox>
#include <QPushButton>

#include "app/Guides.h"
#include "core/CodeTables.h"
#include "qt/WidgetText.h"
#include "qt/windows/NumericField.h"

namespace nimbara {

Gyogyou::Gyogyou(AppContext app, QWidget* parent) : EntryWindow(app, app.state.systemRows, kGyogyouCaption, parent) {
  LoadSystemRows(app.state);
  m_hokui = AddNumber("北緯", EntryField::Latitude, "Hokui");
  m_toukei = AddNumber("東経", EntryField::Longitude, "Toukei");
  m_kiatu = AddNumber("気 圧", EntryField::Pressure, "Kiatu");
  m_syurui = AddChoice("種　類", "Syurui", kSystemKindList, kInitialKindChoice);
  connect(AddEnterButton(), &QPushButton::clicked, this, &Gyogyou::Tugi_Click);
  connect(AddButton("cmdDelete", "削除"), &QPushButton::clicked, this, &Gyogyou::cmdDelete_Click);
  connect(AddButton("cmdSoko", "そこから"), &QPushButton::clicked, this, &Gyogyou::cmdSoko_Click);
  connect(AddButton("cmdTyuusin", "中心から"), &QPushButton::clicked, this, &Gyogyou::cmdTyuusin_Click);
  connect(AddButton("Modoru", "もどる"), &QPushButton::clicked, this, &Gyogyou::Modoru_Click);
  connect(AddButton("Setumei", "説明"), &QPushButton::clicked, this, &Gyogyou::Setumei_Click);
  ChainTabs({m_hokui, m_toukei, m_kiatu, m_syurui});
  Refresh();
}

void Gyogyou::Edit(void (*command)(AppState&)) {
  command(m_app.state);
  ShowRows();
}

void Gyogyou::Tugi_Click() {
  const SystemFields fields{m_hokui->SettledText(), m_toukei->SettledText(), m_kiatu->SettledText(),
                            m_syurui->currentText().toStdString()};
  EnterSystem(m_app.state, fields);
  ShowRows();
}

void Gyogyou::cmdDelete_Click() { Edit(DeleteSystem); }
void Gyogyou::cmdSoko_Click() { Edit(StartFromThere); }
void Gyogyou::cmdTyuusin_Click() { Edit(StartFromCentre); }

void Gyogyou::ShowRecord(int row) {
  const SystemFields fields = SystemFieldsOf(m_app.state.store, row);
  m_hokui->Show(fields.latitude);
  m_toukei->Show(fields.longitude);
  m_kiatu->Show(fields.pressure);
  ShowChoice(m_syurui, m_syurui->findText(WidgetText(fields.kind)));
}

void Gyogyou::Modoru_Click() { CloseSystemWindow(m_app, TypedDate()); }

void Gyogyou::Setumei_Click() { ShowHelp(m_app, GyogyouHelp()); }

}  // namespace nimbara
