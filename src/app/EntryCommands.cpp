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

void KeepObservationDate(const AppContext& app, const std::optional<std::string>& typedDate) {
  AppState& state = app.state;
  if (!typedDate || *typedDate == state.store.observationDate) return;
  state.headerText = *typedDate;
  state.store.observationDate = *typedDate;
  for (WindowId id : {WindowId::Tenki1, WindowId::Kaiyou1, WindowId::Gyogyou}) app.ui.RefreshWindow(id);
}

void CloseEntryWindow(const AppContext& app, WindowId id) {
  app.state.field.grid.MarkStale();
  app.ui.HideWindow(id);
}

}  // namespace nimbara
