#include "app/ImageCommands.h"

#include "app/ChooserRequests.h"
#include "app/DisplayCommands.h"
#include "app/FileMessages.h"
#include "app/PictureLoading.h"
#include "io/FileIo.h"
#include "io/FileNames.h"
#include "render/BaseMap.h"

namespace nimbara {

namespace {
constexpr std::string_view kPictureKind = "画像";
}  // namespace

void cntHimawari_Click(const AppContext& app) {
  const auto chosen = app.ui.ChooseFile(kLoadPictureChooser);
  if (chosen) LoadPictureAt(app, *chosen);
}

bool LoadPictureOrSayWhy(const AppContext& app, const std::string& path) {
  const FileStatus status = LoadPictureFile(app.canvas, path);
  if (!status) ReportUnreadFile(app.ui, kPictureKind, status);
  return static_cast<bool>(status);
}

void LoadPictureAt(const AppContext& app, const std::string& path) {
  if (LoadPictureOrSayWhy(app, path)) ClearCanvas(app.canvas);
}

void cntGazou_Click(const AppContext& app) {
  const auto chosen = app.ui.ChooseFile(kSavePictureChooser);
  if (!chosen) return;
  const auto bmp = app.canvas.PictureBmpBytes();
  if (!bmp) {
    app.ui.Message(kPictureSaveErrorTitle, kPictureSaveErrorText, MessageIcon::Warning);
    return;
  }
  if (FileStatus status = WriteFileAtomically(PictureSaveName(*chosen), *bmp); !status)
    ReportUnsavedFile(app.ui, status);
}

void cntCopy_Click(const AppContext& app) {
  if (const auto picture = app.canvas.GetPicture()) app.ui.SetClipboardPicture(*picture);
}

void cntClsBMP_Click(const AppContext& app) {
  app.canvas.ClearPicture();
  cntDisplay_Click(app);
}

bool PasteClipboardPicture(const AppContext& app) {
  const auto picture = app.ui.ClipboardPicture();
  if (!picture || picture->Empty()) return false;
  app.canvas.SetPicture(*picture);
  ClearCanvas(app.canvas);
  return true;
}

}  // namespace nimbara
