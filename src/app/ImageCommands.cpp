#include "app/ImageCommands.h"

#include "app/DisplayCommands.h"
#include "app/FileMessages.h"
#include "core/BaseMap.h"
#include "imagery/ImageNames.h"
#include "io/FileIo.h"
#include "io/PictureFile.h"

namespace nimbara {
namespace {

constexpr Colour kSaveChooserBackground = Rgb(255, 192, 192);

}  // namespace

void cntHimawari_Click(const AppContext& app) {
  const auto chosen = app.ui.ChooseFile(
      {.caption = "画像読みこみ", .pattern = "*.gif", .background = {}, .showImageOptions = true});
  if (!chosen) return;
  // An unreadable file keeps the old picture, silently.
  if (LoadPictureFile(app.canvas, *chosen)) ClearCanvas(app.canvas);
}

void cntGazou_Click(const AppContext& app) {
  const auto chosen =
      app.ui.ChooseFile({.caption = "画像の保存",
                         .pattern = "*.bmp",
                         .background = kSaveChooserBackground,
                         .savedName = PictureSaveName});
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
