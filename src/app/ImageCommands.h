#pragma once
// The satellite picture commands of the main window: loading, saving,
// copying and clearing the background picture of the map surface.

#include <string>

#include "app/AppContext.h"

namespace nimbara {

inline constexpr const char* kPictureSaveErrorTitle = "画像の保存のエラー";
inline constexpr const char* kPictureSaveErrorText =
    "画像として保存できるのは、読みこんだ気象衛星画像だけです。等圧線や天気記号の図は保存できません。"
    "等圧線や天気記号の入った天気図は、同じメニューの「天気図を画像として保存」で保存してください。";

// 気象衛星画像ファイル読みこみ: a chosen GIF, BMP, JPEG or PNG file becomes
// the background picture under a cleared map (the layers return with the next
// display), as LoadPictureAt does.
void cntHimawari_Click(const AppContext& app);
// The picture at `path` as the background picture under a cleared map. A file
// that cannot be read as a picture keeps the old picture and map, and a
// message names it and says why.
void LoadPictureAt(const AppContext& app, const std::string& path);
// The picture at `path` under the drawing as it stands; when it cannot be
// read as a picture, a message names it and says why. True when loaded.
bool LoadPictureOrSayWhy(const AppContext& app, const std::string& path);

// 気象衛星画像ファイル保存: the background picture written as a bitmap under
// the chosen name with ".BMP" as extension; no picture or a failed write is
// reported.
void cntGazou_Click(const AppContext& app);

// 画像をクリップボードにコピー: the background picture (without the drawn
// layers) on the clipboard. Without a picture the clipboard keeps what it held.
void cntCopy_Click(const AppContext& app);

// 気象衛星画像の表示を消す: no background picture, and the map drawn again.
void cntClsBMP_Click(const AppContext& app);

// The picture half of データの貼り付け: a picture on the clipboard becomes the
// background picture under a cleared map, as a loaded one. False (and nothing
// changed) when the clipboard holds none.
bool PasteClipboardPicture(const AppContext& app);

}  // namespace nimbara
