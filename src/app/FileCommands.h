#pragma once
// The data file and isobar file commands: saving and loading observation
// data files (full data files carry the settings block, the satellite picture
// and the isobar file beside them), clearing the data, and the isobar files.

#include <string>

#include "app/AppContext.h"
#include "io/FileIo.h"

namespace nimbara {

// データファイル保存 / 気象観測ファイル保存: set FullDataMode, then SaveDataFile.
void cntSave_Click(const AppContext& app);
void cntKSave_Click(const AppContext& app);
// データファイル読みこみ / 気象観測ファイル読み込み: set FullDataMode, then
// ChooseAndLoadDataFile.
void cntLoad_Click(const AppContext& app);
void cntKLoad_Click(const AppContext& app);

// Asks for a file and saves there with "txt" as its extension (SaveDataFileAt).
void SaveDataFile(const AppContext& app);
// What a full save does with the pictures beside the data file: the Canvas's
// picture saved as base + "bmp" and earlier pictures of other types removed
// (without a picture, all of them), so that loading shows exactly the saved
// one; or, for the command line, which has no picture, left as they are.
enum class CompanionPictures { Saved, Untouched };
// Writes the store to `path` (in full mode with the settings block, the
// pictures and the isobar file beside it), all as one set with the data file
// renamed last (io/FileIo.h). A saved path becomes the current file path. A
// failed save says why, leaves every earlier file and the current path as
// they were and returns false; characters written as "?" are listed.
bool SaveDataFileAt(const AppContext& app, const std::string& path,
                    CompanionPictures pictures = CompanionPictures::Saved);
// Asks for a file and opens it with "txt" as its extension (OpenDataFile); a
// file that cannot be opened is reported and the current path stays.
void ChooseAndLoadDataFile(const AppContext& app);
// Opens the data file at `path` as it is named (OpenDataFile); a file that
// cannot be opened is reported and the current path stays. True when opened.
bool LoadDataFileAt(const AppContext& app, const std::string& path);
// Opens the current file path with "txt" as its extension (OpenDataFile).
void LoadSub2(const AppContext& app);
// Reads the file at `path`, as it is named and once. A file that cannot be read
// or is not a data file changes nothing but the click mode (none) and the
// slide-show running flag (off), and the status says why. Otherwise it becomes
// the current file path, the store and rows are replaced, in full mode also
// the settings, the picture and the map view, and the map is redrawn.
FileStatus OpenDataFile(const AppContext& app, const std::string& path);

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
