#include "io/DataFile.h"

#include <algorithm>

#include "core/CodeTables.h"
#include "core/Numbers.h"
#include "core/Text.h"
#include "io/FieldReader.h"
#include "io/FieldWriter.h"

namespace nimbara {
namespace {

constexpr std::string_view kStationHeader = " 地 名　　　風向　風力　天気　 気圧　気温";
constexpr std::string_view kShipHeader = " 北緯 東経   風向   風力  天気　気圧";
constexpr std::string_view kSystemHeader = "  種 類 　北緯　東経　 気圧";

constexpr std::size_t kNameWidth = 10;
constexpr std::size_t kWordWidth = 6;  // direction and weather names
constexpr std::size_t kKindWidth = 8;
constexpr std::size_t kForceWidth = 3;
constexpr std::size_t kPositionWidth = 4;
constexpr std::size_t kPressureWidth = 5;
constexpr std::size_t kTemperatureWidth = 4;

// ---- writing ----

std::string NumberField(std::int32_t value, std::size_t width) { return PadLeft(SignedText(value), width); }

std::string TextField(std::string_view text, std::size_t width) {
  return PadRight(QuoteFieldIfNeeded(text), width);
}

std::string DirectionField(std::int32_t direction, std::int32_t force) {
  return PadRight(WindDirectionText(direction, force), kWordWidth);
}

std::string WeatherField(std::int32_t weather, bool undetermined) {
  return PadRight(undetermined ? std::string(kUndeterminedWeatherName) : WeatherName(weather), kWordWidth);
}

std::string SectionLine(std::string_view word, int count) {
  return std::string(word) + "," + PrintForm(count);
}

std::string StationLine(const ObservationStore& store, int slot) {
  const std::string& name = store.stations.names[slot];
  const StationRecord& r = store.stationRecords[slot];
  const bool undetermined = IsUndeterminedReport(r);
  const std::string pressure =
      name == kMountFuji ? std::string(kPressureWidth, ' ') : NumberField(r.pressure, kPressureWidth);
  return TextField(name, kNameWidth) + "," + DirectionField(r.direction, r.force) + "," +
         NumberField(r.force, kForceWidth) + " ," + WeatherField(r.weather, undetermined) + "," + pressure +
         " ," + NumberField(r.temperature, kTemperatureWidth);
}

std::string ShipLine(const ShipRecord& r) {
  const bool undetermined = r.force == 0 && r.pressure == 0;
  return NumberField(r.latitude, kPositionWidth) + " ," + NumberField(r.longitude, kPositionWidth) + " ," +
         DirectionField(r.direction, r.force) + "," + NumberField(r.force, kForceWidth) + " ," +
         WeatherField(r.weather, undetermined) + "," + NumberField(r.pressure, kPressureWidth);
}

std::string SystemLine(const SystemEntry& e) {
  return TextField(e.kind, kKindWidth) + "," + NumberField(e.latitude, kPositionWidth) + " ," +
         NumberField(e.longitude, kPositionWidth) + " ," + NumberField(e.pressure, kPressureWidth);
}

DataFileCounts Clamped(const DataFileCounts& counts) {
  return {ClampCount(counts.stations), ClampCount(counts.ships), ClampCount(counts.systems)};
}

void ClearNegative(std::int32_t& value) { value = std::max(value, 0); }

// ---- reading ----

class DataFileReader {
 public:
  explicit DataFileReader(std::string_view text) : m_fields(std::string(text), QuoteRule::DoubledQuotes) {}

  std::string Text() { return m_fields.ReadField().value_or(std::string()); }
  std::string Word() { return TrimRightSpaces(Text()); }
  std::int32_t Number() { return ReadRounded(Text()); }
  bool AtEnd() const { return m_fields.AtEnd(); }
  std::optional<std::string> Line() { return m_fields.ReadLine(); }

  // The section word, the count and the column header; `leadingEmptyLine`
  // reads the empty line before them as one more field.
  std::pair<std::string, long long> Section(bool leadingEmptyLine) {
    if (leadingEmptyLine) Text();
    std::string word = Word();
    const long long count = static_cast<long long>(ReadRounded(Text()));
    Text();
    return {std::move(word), count};
  }

  // Reads `count` records with `read`, keeping the first 201; records beyond
  // them are read over while there is text left, so the next section starts in
  // its place.
  template <typename Record, typename ReadRecord>
  std::vector<Record> Records(long long count, ReadRecord read) {
    std::vector<Record> records;
    const long long kept = ClampCount(count);
    for (long long i = 0; i < kept; ++i) records.push_back(read());
    for (long long i = kept; i < count && !AtEnd(); ++i) read();
    return records;
  }

 private:
  FieldReader m_fields;
};

StationRecord ReadStationObservation(DataFileReader& in) {
  StationRecord r;
  r.direction = DirectionCode(in.Word());
  r.force = in.Number();
  r.weather = WeatherCode(in.Word());
  r.pressure = in.Number();
  r.temperature = in.Number();
  return r;
}

ShipRecord ReadShip(DataFileReader& in) {
  ShipRecord r;
  r.latitude = in.Number();
  r.longitude = in.Number();
  r.direction = DirectionCode(in.Word());
  r.force = in.Number();
  r.weather = WeatherCode(in.Word());
  r.pressure = in.Number();
  return r;
}

SystemEntry ReadSystem(DataFileReader& in) {
  SystemEntry e;
  e.kind = in.Word();
  e.latitude = in.Number();
  e.longitude = in.Number();
  e.pressure = in.Number();
  return e;
}

}  // namespace

void ClearNegativeValues(ObservationStore& store, const DataFileCounts& counts) {
  const DataFileCounts clamped = Clamped(counts);
  for (int i = 0; i < clamped.stations; ++i) {
    StationRecord& r = store.stationRecords[i];
    for (std::int32_t* value : {&r.direction, &r.force, &r.weather, &r.pressure}) ClearNegative(*value);
  }
  for (int i = 0; i < clamped.ships; ++i) {
    ShipRecord& r = store.ships[i];
    for (std::int32_t* value : {&r.direction, &r.force, &r.weather, &r.pressure}) ClearNegative(*value);
  }
  for (int i = 0; i < clamped.systems; ++i)
    ClearNegative(store.systems[i].pressure);
}

std::vector<std::string> DataFileLines(const ObservationStore& store, const DataFileCounts& counts,
                                       const Settings* settings) {
  const DataFileCounts clamped = Clamped(counts);
  std::vector<std::string> lines{QuoteFieldIfNeeded(store.observationDate)};
  lines.push_back(SectionLine(kStationSection, clamped.stations));
  lines.emplace_back(kStationHeader);
  for (int slot = 0; slot < clamped.stations; ++slot) lines.push_back(StationLine(store, slot));
  lines.emplace_back();
  lines.push_back(SectionLine(kShipSection, clamped.ships));
  lines.emplace_back(kShipHeader);
  for (int i = 0; i < clamped.ships; ++i) lines.push_back(ShipLine(store.ships[i]));
  lines.emplace_back();
  lines.push_back(SectionLine(kSystemSection, clamped.systems));
  lines.emplace_back(kSystemHeader);
  for (int i = 0; i < clamped.systems; ++i)
    lines.push_back(SystemLine(store.systems[i]));
  if (settings) {
    lines.emplace_back();
    lines.emplace_back(kSettingsBlockComment);
    for (std::string& line : SettingsBlockLines(*settings)) lines.push_back(std::move(line));
  }
  return lines;
}

std::optional<DataFileContents> ParseDataFile(std::string_view text) {
  DataFileReader in(text);
  DataFileContents contents;
  contents.observationDate = in.Text();
  const auto [stationWord, stationCount] = in.Section(false);
  if (stationWord != kStationSection) return std::nullopt;
  contents.stations = in.Records<DataFileStation>(stationCount, [&in] {
    DataFileStation station;
    station.name = in.Word();
    station.record = ReadStationObservation(in);
    return station;
  });
  contents.ships = in.Records<ShipRecord>(in.Section(true).second, [&in] { return ReadShip(in); });
  contents.systems = in.Records<SystemEntry>(in.Section(true).second, [&in] { return ReadSystem(in); });
  while (auto line = in.Line()) {
    if (auto setting = ParseSettingLine(*line)) contents.settingLines.push_back(std::move(*setting));
  }
  return contents;
}

DataFileRead ReadDataFile(const std::string& path) {
  FileRead read = ReadCp932TextFile(path);
  if (!read.status) return {{}, std::move(read.status)};
  auto contents = ParseDataFile(read.content);
  if (!contents) return {{}, {FileFault::WrongKind, 0, path}};
  return {std::move(*contents), {}};
}

void ApplyDataFile(const DataFileContents& contents, ObservationStore& store) {
  store.observationDate = contents.observationDate;
  store.stationCount = ClampCount(static_cast<long long>(contents.stations.size()));
  for (std::size_t slot = 0; slot < contents.stations.size() && slot < kSlotCount; ++slot) {
    store.stations.names[slot] = contents.stations[slot].name;
    store.stationRecords[slot] = contents.stations[slot].record;
  }
  store.shipCount = ClampCount(static_cast<long long>(contents.ships.size()));
  std::copy_n(contents.ships.begin(), store.shipCount, store.ships.begin());
  store.systemCount = ClampCount(static_cast<long long>(contents.systems.size()));
  std::copy_n(contents.systems.begin(), store.systemCount, store.systems.begin());
}

}  // namespace nimbara
