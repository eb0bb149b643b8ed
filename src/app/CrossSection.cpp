#include "app/CrossSection.h"

#include "render/CloudSectionDrawing.h"

namespace nimbara {
namespace {

std::string ChooseSection(const AppContext& app, ClickMode mode) {
  app.state.clickMode = mode;
  app.canvas.Clear();
  return kDanmenClickText;
}

}  // namespace

void cntDanmen_Click(const AppContext& app) { app.ui.ShowWindow(WindowId::Danmen); }

std::string DanmenOpened(const AppContext& app) {
  DanmenChooseEastWest(app);
  return kDanmenOpeningText;
}

std::string DanmenChooseNorthSouth(const AppContext& app) { return ChooseSection(app, ClickMode::NorthSouth); }
std::string DanmenChooseEastWest(const AppContext& app) { return ChooseSection(app, ClickMode::EastWest); }

void DanmenRestorePicture(const AppContext& app) { app.canvas.Clear(); }

void DanmenClosed(const AppContext& app) {
  app.state.clickMode = ClickMode::None;
  app.canvas.Clear();
}

void DrawCloudSectionAtClick(const AppContext& app, bool northSouth, double x, double y) {
  if (northSouth) {
    DrawNorthSouthSection(app.canvas, x);
  } else {
    DrawEastWestSection(app.canvas, y);
  }
  app.ui.BringForward(WindowId::Danmen);
}

}  // namespace nimbara
