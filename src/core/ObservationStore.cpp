#include "core/ObservationStore.h"

#include "core/CodeTables.h"

#include <algorithm>
#include <string_view>

namespace nimbara {
namespace {

struct FixedStation {
  std::string_view name;
  std::int32_t x;
  std::int32_t y;
};

// Slots 0 to 52 in the order of the station bulletin, then 富士山.
// 室戸岬 sits on its coast between 足摺岬 (y 203) and 潮岬 (y 197).
constexpr std::array<FixedStation, kBuiltInStationCount> kFixedStations = {{
    {"石垣島", 173, 270}, {"那覇", 207, 260}, {"南大東島", 229, 260}, {"名瀬", 221, 239},
    {"鹿児島", 231, 216}, {"福江", 219, 202}, {"厳原", 224, 189}, {"足摺岬", 248, 203},
    {"室戸岬", 257, 198}, {"松山", 245, 185}, {"浜田", 224, 183}, {"西郷", 251, 173},
    {"大阪", 263, 187}, {"潮岬", 267, 197}, {"八丈島", 294, 195}, {"大島", 292, 183},
    {"御前崎", 284, 187}, {"銚子", 298, 177}, {"前橋", 286, 173}, {"小名浜", 300, 167},
    {"輪島", 275, 164}, {"相川", 283, 159}, {"仙台", 304, 151}, {"宮古", 305, 143},
    {"秋田", 292, 143}, {"函館", 291, 125}, {"浦河", 306, 123}, {"根室", 318, 111},
    {"稚内", 297, 97}, {"ポロナイスク", 301, 67}, {"セベロクリリスク", 360, 50},
    {"ハバロフスク", 263, 72}, {"ルドナヤプリスタニ", 266, 107}, {"ウラジオストク", 245, 117},
    {"ソウル", 210, 160}, {"ウルルン島", 237, 161}, {"プサン", 226, 178}, {"モッポ", 205, 183},
    {"チェジュ島", 206, 192}, {"台北", 153, 259}, {"恒春", 142, 283}, {"長春", 210, 104},
    {"北京", 148, 126}, {"大連", 181, 138}, {"青島", 171, 160}, {"上海", 167, 207},
    {"武漢", 111, 186}, {"アモイ", 126, 257}, {"香港", 85, 261}, {"ラワーグ", 128, 324},
    {"マニラ", 125, 360}, {"父島", 313, 243}, {"南鳥島", 390, 260}, {"富士山", 282, 183},
}};

}  // namespace

StationTable BuiltInStationTable() {
  StationTable table;
  for (std::size_t i = 0; i < kFixedStations.size(); ++i) {
    table.names[i] = std::string(kFixedStations[i].name);
    table.x[i] = kFixedStations[i].x;
    table.y[i] = kFixedStations[i].y;
  }
  return table;
}

std::int16_t ClampCount(long long count) {
  return static_cast<std::int16_t>(std::clamp<long long>(count, 0, kSlotCount));
}

bool IsUndeterminedReport(const StationRecord& r) { return r.force == 0 && r.pressure == 0 && r.temperature == 0; }

StationRecord AsReadBack(StationRecord r) {
  if (IsUndeterminedReport(r)) r.weather = WeatherCode(kUndeterminedWeatherName);
  return r;
}

PlotCounts ClampedPlotCounts(const ObservationStore& store) {
  PlotCounts counts;
  counts.stations = ClampCount(store.stationCount);
  counts.ships = std::clamp<int>(store.shipCount, 0, kSlotCount - counts.stations);
  counts.systems = std::clamp<int>(store.systemCount, 0, kSlotCount - counts.stations - counts.ships);
  return counts;
}

}  // namespace nimbara
