#pragma once
// One station's report as a bulletin line, a broadcast manuscript or a
// dictated line gives it: the station name, then wind direction, force,
// weather, pressure and temperature, each of them optional, in that order.
// Words mark the values ("風力 ２", "天気 晴れ", "気圧 18", "気温 7度",
// "1012hPa", "7度"); a number without a word takes the next free place among
// force (only before the weather), pressure and temperature, so the dictated
// "南南西 2 くもり 18 7" reads as direction, force, weather, pressure and
// temperature, and the broadcast's "輪島では、南南西の風、風力2、くもり、
// 18ヘクトパスカル、7度。" as the same station.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/CodeTables.h"
#include "core/ObservationStore.h"
#include "io/ReadingNotes.h"
#include "io/ScanText.h"

namespace nimbara {

// Whose rules a report follows: the agency's bulletin page or the radio
// broadcast (its manuscript and what a pupil writes down while listening).
enum class ReportForm { Bulletin, Broadcast };

// The pressure meant by a number of `digits` digits before the decimal point.
// Bulletin: 1000 is added below 300. Broadcast: above 1000 hPa only the last
// two digits are read, so one or two digits p mean 1000 + p, three and four
// digits (998, 1012) stand as written.
std::int32_t ReportedPressure(double value, int digits, ReportForm form);

// A station with no report: no direction, force 0, no weather word, no
// pressure, temperature 0.
inline constexpr StationRecord kNoStationReport{0, 0, kUnknownWeather, 0, 0};

struct StationReading {
  StationRecord record = kNoStationReport;
  bool windWords = false;      // 風力 with its number, の風, 風弱く or 風向・風力不明: a station's report
  bool hasDirection = false;   // one of the 16 direction names was read
  bool pressureGiven = false;  // a pressure unit, or a number in the pressure's place
  bool noReport = false;       // 入電がありません: the station stays empty
  bool temperatureGiven = false;
  bool pressureMissing = false;  // 気圧 欠測 or 気圧 不明
  std::string_view weatherWord;  // the broadcast's word for the weather read, empty when none
  std::size_t start = 0;       // where the report's first value stands (its direction, when it has one)
  std::size_t end = 0;         // where reading stopped
};

// Reads the values after a station name, from `begin` up to `end`. Reading
// stops after the temperature, after "。", after "入電がありません", before a
// position or a pressure system's word, or after a station report's greatest
// length. A number with another unit ("2m", "30キロ") is passed over. A "、" before the first digit marks a
// sentence, in which a blank inside a number is a line end that fell there.
StationReading ReadStationFields(const ScanText& text, std::size_t begin, std::size_t end, ReportForm form);
StationReading ReadStationFields(std::string_view fields, ReportForm form);

// A bulletin station's name at `at` ("石垣島", also written "石 垣 島"): the
// names of slots 0 to 52 of the built-in station table, and "オゼルナヤ",
// which the bulletin lists in slot 30 in some years.
struct StationNameMatch {
  int slot = 0;
  std::string_view name;
  std::size_t end = 0;
};
std::optional<StationNameMatch> MatchStationName(const ScanText& text, std::size_t at);

inline constexpr int kOzernayaSlot = 30;
inline constexpr std::string_view kOzernayaName = "オゼルナヤ";

// False when the text holds none of the words every station report has
// (風力, の風, 風弱く, 風向・風力不明, 入電がありません): it has no report.
bool MayHoldStationReports(const ScanText& text);

// Appends to `names` the name of every station report between `begin` and
// `end` that does not start with a known name: what stands before its wind
// ("ナホトカ" of "ナホトカでは、北西の風、風力3、…"). Reports after digits (a
// ship's position "北緯３８度 東経１４５度") are not stations, nor is 富士山, a
// station of the table the bulletin does not list. The reports named are
// added to `used` when it is given.
void NoteUnknownStations(const ScanText& text, std::size_t begin, std::size_t end, std::vector<std::string>& names,
                         UsedSpans* used = nullptr);

}  // namespace nimbara
