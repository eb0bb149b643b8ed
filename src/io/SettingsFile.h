#pragma once
// The settings file "Nimbara.ini" and the settings block of full data files:
// lines of "key=value", with "'" and "/" starting comments.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Colour.h"
#include "core/IsobarInterval.h"
#include "core/MapView.h"
#include "core/ScreenGeometry.h"
#include "io/FieldWriter.h"

namespace nimbara {

inline constexpr std::string_view kSettingsFileName = "Nimbara.ini";
inline constexpr std::string_view kLastFileKey = "最終表示ファイル=";
inline constexpr std::string_view kSettingsBlockComment = "' 設定ファイル  17";

// The values the settings file keeps between runs; the defaults are those of
// a first start.
struct Settings {
  ColourSlots colours;
  int selectedColourSlot = 0;  // 現在の色
  MapView view;
  IsobarInterval isobar;
  std::string lastFile;  // 最終表示ファイル
  bool chartStyle = false;  // 天気図の見た目
  bool legend = true;       // 凡例
  WindowPlaceMemory windowPlaces;  // 窓の位置（name）
  bool operator==(const Settings&) const = default;
};

struct SettingLine {
  std::string key;    // up to and including the first "="
  std::string value;  // the value text, untrimmed
  bool operator==(const SettingLine&) const = default;
};

// One line: nothing for an empty line, a comment ("'" or "/" first) or a line
// without "=". The value ends at the first "'" or "/" after the "=", except
// for the last-file key, whose value is the rest of the line: a path holds
// "/" and may hold "'".
std::optional<SettingLine> ParseSettingLine(std::string_view line);

// Stores a line's value under its key; unknown keys are ignored. An isobar
// interval below 1 hPa (or beyond 32 bits in hundredths) keeps the earlier one.
void ApplySettingLine(Settings& settings, const SettingLine& line);

// Every line of a settings text applied in order (the last of a key wins).
void ReadSettingsText(std::string_view text, Settings& settings);

// Lines 6 to 21 of the settings file: the eleven colour keys, the four view
// keys and the isobar interval. Full data files carry them after
// kSettingsBlockComment.
std::vector<std::string> SettingsBlockLines(const Settings& settings);
// The whole settings file: five comment lines, the block, the last file, the
// chart style's two switches (天気図の見た目=気象庁風 or 標準, 凡例=表示 or
// 非表示), and the places of the windows that have been open, one line each
// by name ("窓の位置（等圧線の修正）=812,40": the frame's top-left corner in
// screen pixels; a value that is not two whole numbers is ignored). Full data
// files carry none of these.
std::vector<std::string> SettingsFileLines(const Settings& settings);

// The file read into `settings`; nothing changes when it cannot be read (the
// status says why).
FileStatus ReadSettingsFile(const std::string& path, Settings& settings);
// The file replaced atomically.
TextFileSave WriteSettingsFile(const std::string& path, const Settings& settings);

}  // namespace nimbara
