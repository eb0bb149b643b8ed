#pragma once
// The commands of the isobar practice (天気図 → 等圧線を引く練習), shared by
// the desktop window, the web page and the command line: the map without
// isobars for the pupil to draw on, lines and marks added, erased and
// undone, 答え合わせ against the analysis, and the drawing file beside the
// data file.

#include <optional>
#include <string>

#include "app/AppContext.h"
#include "io/FileIo.h"
#include "pressure/PracticeReference.h"
#include "pressure/PracticeScore.h"

namespace nimbara {

// 等圧線を引く練習: the practice window.
void cntRenshuu_Click(const AppContext& app);

// What the drawing is checked against: the chart style's own analysis of the
// observations, in either style (the one place that chooses the analysis).
PracticeReference CurrentPracticeReference(const AppState& state);

// The isobar interval in hPa: the step of the value box.
double PracticeValueStep(const AppState& state);
// The station pressures' mean rounded to a multiple of the interval.
double StartingPracticeValue(const AppState& state);

// Computes the grid if need be (as the isobar layer asks), starts an empty
// drawing with the starting value and draws the practice map. False when
// there is no grid to check against.
bool StartPractice(const AppContext& app);

// The map with every layer that is on except the isobars (and their centre
// marks), then the drawing, and the answer over it once checked.
void DrawPracticeMap(const AppContext& app);

// A freehand line of the session's value: points closer than a map unit to
// the one before are dropped and the rest kept to one decimal, as the file
// keeps them. False (nothing added) for a stroke too short to be a line.
bool AddPracticeLine(AppState& state, const Path& stroke);
void AddPracticeMark(AppState& state, CentreMarkKind kind, PointF at);
// The line nearest to `at`, when one passes within a few map units, erased.
bool ErasePracticeLineAt(AppState& state, PointF at);
// The drawing as it was before the last change; false when there is none.
bool UndoPractice(AppState& state);

// 答え合わせ: the score of the drawing, with the answer then shown over it;
// nothing when there is no grid to check against.
std::optional<PracticeScore> CheckPractice(const AppContext& app);
// Scores a drawing against a reference and the current stations, without
// showing anything.
PracticeScore ScoreDrawing(const AppState& state, const PracticeReference& reference,
                           const PracticeDrawing& drawing);

// 保存 / 読みこみ: NAME.practice.txt beside the current data file. Without a
// data file there is nowhere to keep it, which is said.
bool SavePractice(const AppContext& app);
bool LoadPractice(const AppContext& app);
// The same under a name of the caller's (the web page's downloads and files).
bool SavePracticeAs(const AppContext& app, const std::string& path);
bool LoadPracticeFrom(const AppContext& app, const std::string& path);

// A practice file shown with its answer: its data file (`dataPath`, else
// NAME.txt beside it) loaded as データファイル読みこみ does, the drawing read,
// the map drawn.
FileStatus ShowPracticeFile(const AppContext& app, const std::string& practicePath,
                            const std::optional<std::string>& dataPath = std::nullopt);

inline constexpr const char* kPracticeTitle = "等圧線を引く練習";
inline constexpr const char* kNoDataFileForPractice =
    "練習の図は天気図データファイルのとなりに保存します。先にデータファイルを読みこむか保存してください。";

}  // namespace nimbara
