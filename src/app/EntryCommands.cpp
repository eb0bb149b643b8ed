#include "app/EntryCommands.h"

namespace nimbara {
namespace {

void OpenEntryWindow(const AppContext& app, WindowId id) {
  app.state.field.grid.MarkStale();
  app.ui.ShowWindow(id);
}

}  // namespace

void cntTenki_Click(const AppContext& app) { OpenEntryWindow(app, WindowId::Tenki1); }
void cntSenpaku_Click(const AppContext& app) { OpenEntryWindow(app, WindowId::Kaiyou1); }
void cntGyogyou_Click(const AppContext& app) { OpenEntryWindow(app, WindowId::Gyogyou); }
void cntRadio_Click(const AppContext& app) { OpenEntryWindow(app, WindowId::RadioDictation); }

void KeepObservationDate(AppState& state, const std::string& dateText) {
  state.headerText = dateText;
  state.store.observationDate = dateText;
}

void CloseEntryWindow(const AppContext& app, WindowId id) {
  app.state.field.grid.MarkStale();
  app.ui.HideWindow(id);
}

}  // namespace nimbara
