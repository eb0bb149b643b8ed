#pragma once
// The data file and isobar file commands: saving and loading observation
// data files (full data files carry the settings block, the satellite picture
// and the isobar file beside them), clearing the data, and the isobar files.

#include "app/AppContext.h"

namespace nimbara {

// データファイル保存 / 気象観測ファイル保存: set FullDataMode, then SaveDataFile.
void cntSave_Click(const AppContext& app);
void cntKSave_Click(const AppContext& app);
// データファイル読みこみ / 気象観測ファイル読み込み: set FullDataMode, then
// ChooseAndLoadDataFile.
void cntLoad_Click(const AppContext& app);
void cntKLoad_Click(const AppContext& app);

// Asks for a file; the chosen path becomes the current file path, with "txt"
// as its extension, and the store (and in full mode the settings block, the
// picture as base + "bmp" and the isobar file as base + "cnt") is written
// there. A failed save says so and leaves the earlier file in place.
void SaveDataFile(const AppContext& app);
// Asks for a file; unless cancelled it becomes the current file path and is
// read with LoadSub2.
void ChooseAndLoadDataFile(const AppContext& app);
// Reads the current file path (with "txt" as its extension). A file that is
// not a data file changes nothing but the click mode (none) and the slide-show
// running flag (off). Otherwise the store and rows are replaced, in full mode
// also the settings, the picture and the map view, and the map is redrawn.
void LoadSub2(const AppContext& app);

// ﾃﾞｰﾀを消しますよ　ｏｋ？: station records cleared (names stay), ships and
// systems removed, the pressure grid and its work copy set to 0.
void cntNew2_Click(const AppContext& app);

// 等圧線ファイル保存 and the correction window's 等圧線の保存.
void SaveIsobarFile(const AppContext& app);
// 等圧線ファイル読みこみ: the chosen file read into the grid and plot table,
// then the isobars traced over the map as it stands, in the map view (a
// relief view before it has its own scale).
void LoadIsobarFile(const AppContext& app);

}  // namespace nimbara
