#pragma once
// The window ラジオの気象通報から入力 without its widgets: the radio weather
// report taken down as it is read, station after station in the order of the
// station table, then the ships, then the systems part.
//
// Everything goes into the one observation store through the entry windows'
// own commands, so that their rows, the files and the drawing are what they
// would be after the same values were typed into 気象データの入力,
// 船舶からの報告データの入力 and 低気圧や前線の位置の入力.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/AppContext.h"

namespace nimbara {

// The stations the broadcast reads: slots 0 (石垣島) to 52 (南鳥島).
inline constexpr int kDictatedStationCount = kBulletinStationCount;

// Whether a station holds a report: neither empty nor "入電なし" as the
// imports store it.
bool HasStationReport(const StationRecord& record);

// Where the station cursor starts: the first station without a report, or
// the first station when every one has one.
int FirstStationWithoutReport(const ObservationStore& store);

// The cells of a station's row: 地名, 風向, 風力, 天気, 気圧, 気温. A station
// without a report shows only its name; the direction is left out when the
// force is 0 and the pressure when it is missing, as the entry rows do.
using TableCells = std::array<std::string, 6>;
TableCells StationCells(const ObservationStore& store, int slot);
// The cells of a ship's row: 緯度, 経度, 風向, 風力, 天気, 気圧.
TableCells ShipCells(const ObservationStore& store, int index);

// What ⏎ on a quick line did.
struct LineOutcome {
  int cursor = 0;      // where the cursor stands afterwards
  bool done = false;   // the part is done: the broadcast goes on to the next one
  std::string reason;  // not empty: the line was not read and nothing changed
};

// ⏎ on the station line with the cursor on `slot`: a report replaces the
// station's, "-" or an empty line leaves the station empty; the cursor moves
// to the next station. After the last station the stations are done.
LineOutcome EnterStationLine(const AppContext& app, int slot, std::string_view line);

// The question shown before a readable line replaces or empties the report
// station `slot` holds ("那覇には「北 5 くもり 1021 15」が入っています。…");
// nothing when the station holds no report or the line cannot be read.
std::optional<std::string> ReplacementQuestion(const ObservationStore& store, int slot, std::string_view line);

// ⏎ on the ship line with the cursor on ship `row`, or on the place after the
// last ship (a new ship): a report replaces the ship or is added, "-" removes
// it, an empty line changes nothing; the cursor moves to the next row (stays,
// after a removal). An empty line on the new ship: the ships are done.
LineOutcome EnterShipLine(const AppContext& app, int row, std::string_view line);

// Removes ship `row` (nothing past the last ship).
void RemoveDictatedShip(const AppContext& app, int row);

// ⏎ in the systems text: what the text gives (io/SystemsShorthand.h) becomes
// the whole systems list, entered entry by entry as データ入力 of
// 低気圧や前線の位置の入力 enters it. Gives what could not be read.
std::vector<std::string> EnterSystemsText(const AppContext& app, std::string_view text);

// The systems list as the text shows it when the window opens.
std::string SystemsText(const ObservationStore& store);

// The live map: the base map and the weather and wind of every station and
// ship, as 天気図を表示する draws them but without isobars and fronts.
void DrawDictationMap(const AppContext& app);

// The date box when the window opens: the store's date, or, when no station
// holds a report yet, the given day at the broadcast's 12 時 in half-width
// digits, as the quick lines are typed ("2024年01月15日12時").
std::string DictationDateText(const ObservationStore& store, int year, int month, int day);

}  // namespace nimbara
