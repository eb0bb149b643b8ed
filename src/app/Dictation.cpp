#include "app/Dictation.h"

#include <algorithm>

#include "app/DisplayCommands.h"
#include "app/QuickLine.h"
#include "app/ShipEntry.h"
#include "app/StationEntry.h"
#include "app/SystemEntryEditor.h"
#include "core/CodeTables.h"
#include "core/Text.h"
#include "io/StationLine.h"
#include "io/SystemsShorthand.h"

namespace nimbara {
namespace {

constexpr int kBroadcastHour = 12;
constexpr std::string_view kReplacesReport = "」が入っています。置き換えるときは、もう一度 ⏎";
constexpr std::string_view kShipsFull = "船の報告はこれ以上入りません";

StationFields FieldsOf(const StationRecord& r) {
  return {r.direction, std::to_string(r.force), r.weather, std::to_string(r.pressure), std::to_string(r.temperature)};
}

ShipFields FieldsOf(const ShipRecord& r) {
  return {std::to_string(r.latitude), std::to_string(r.longitude), r.direction, std::to_string(r.force), r.weather,
          std::to_string(r.pressure)};
}

SystemFields FieldsOf(const SystemEntry& e) {
  return {std::to_string(e.latitude), std::to_string(e.longitude), std::to_string(e.pressure), e.kind};
}

// The rows of the station window exist from its loading on; a state that
// never had them gets them first.
void EnsureStationRows(AppState& state) {
  if (state.stationRows.Count() < kDictatedStationCount) LoadStationRows(state);
}

// The observations changed: the grid no longer shows them, the entry window
// follows, the map shows the stations and ships as they now are.
void ObservationsChanged(const AppContext& app, WindowId entryWindow) {
  app.state.field.grid.MarkStale();
  app.ui.RefreshWindow(entryWindow);
  DrawDictationMap(app);
}

// 風向, 風力, 天気 and 気圧 cells from cell `first` on.
void FillWindCells(TableCells& cells, std::size_t first, std::int32_t direction, std::int32_t force,
                   std::int32_t weather, std::int32_t pressure) {
  cells[first] = WindDirectionText(direction, force);
  cells[first + 1] = std::to_string(force);
  cells[first + 2] = WeatherName(weather);
  cells[first + 3] = pressure != 0 ? std::to_string(pressure) : std::string();
}

std::string ZeroPadded(int value, std::size_t digits) {
  const std::string plain = std::to_string(value);
  return std::string(digits > plain.size() ? digits - plain.size() : 0, '0') + plain;
}

bool AnyStationReport(const ObservationStore& store) {
  return std::any_of(store.stationRecords.begin(), store.stationRecords.begin() + kDictatedStationCount,
                     HasStationReport);
}

}  // namespace

bool HasStationReport(const StationRecord& record) {
  return record != StationRecord{} && record != kNoStationReport && record != AsReadBack(kNoStationReport);
}

int FirstStationWithoutReport(const ObservationStore& store) {
  const auto first = std::find_if_not(store.stationRecords.begin(),
                                      store.stationRecords.begin() + kDictatedStationCount, HasStationReport);
  const int slot = static_cast<int>(first - store.stationRecords.begin());
  return slot < kDictatedStationCount ? slot : 0;
}

TableCells StationCells(const ObservationStore& store, int slot) {
  const StationRecord& r = store.stationRecords[slot];
  TableCells cells{store.stations.names[slot]};
  if (!HasStationReport(r)) return cells;
  FillWindCells(cells, 1, r.direction, r.force, r.weather, r.pressure);
  cells[5] = std::to_string(r.temperature);
  return cells;
}

TableCells ShipCells(const ObservationStore& store, int index) {
  const ShipRecord& r = store.ships[index];
  TableCells cells{std::to_string(r.latitude), std::to_string(r.longitude)};
  FillWindCells(cells, 2, r.direction, r.force, r.weather, r.pressure);
  return cells;
}

LineOutcome EnterStationLine(const AppContext& app, int slot, std::string_view line) {
  const QuickLine<StationRecord> read = ReadStationQuickLine(line);
  if (read.kind == LineKind::Unreadable) return {slot, false, read.reason};
  AppState& state = app.state;
  EnsureStationRows(state);
  const bool changes = read.kind == LineKind::Report ||
                       HasStationReport(state.store.stationRecords[slot]);
  if (read.kind == LineKind::Report) StoreStation(state, slot, FieldsOf(read.record));
  else if (changes) EmptyStation(state, slot);
  if (changes) ObservationsChanged(app, WindowId::Tenki1);
  const bool last = slot + 1 >= kDictatedStationCount;
  return {last ? slot : slot + 1, last, {}};
}

std::optional<std::string> ReplacementQuestion(const ObservationStore& store, int slot, std::string_view line) {
  if (!HasStationReport(store.stationRecords[slot])) return std::nullopt;
  if (ReadStationQuickLine(line).kind == LineKind::Unreadable) return std::nullopt;
  const TableCells cells = StationCells(store, slot);
  std::string report;
  for (auto cell = cells.begin() + 1; cell != cells.end(); ++cell) {
    if (!cell->empty()) report += (report.empty() ? "" : " ") + *cell;
  }
  return cells[0] + "には「" + report + std::string(kReplacesReport);
}

LineOutcome EnterShipLine(const AppContext& app, int row, std::string_view line) {
  const QuickLine<ShipRecord> read = ReadShipQuickLine(line);
  const int count = app.state.shipRows.Count();
  switch (read.kind) {
    case LineKind::Unreadable:
      return {row, false, read.reason};
    case LineKind::Empty:
      return {std::min(row + 1, count), row >= count, {}};
    case LineKind::NoReport:
      RemoveDictatedShip(app, row);
      return {row, false, {}};
    case LineKind::Report:
      break;
  }
  if (!StoreShip(app.state, row, FieldsOf(read.record))) return {row, false, std::string(kShipsFull)};
  ObservationsChanged(app, WindowId::Kaiyou1);
  return {row + 1, false, {}};
}

void RemoveDictatedShip(const AppContext& app, int row) {
  if (row < 0 || row >= app.state.shipRows.Count()) return;
  RemoveShip(app.state, row);
  ObservationsChanged(app, WindowId::Kaiyou1);
}

std::vector<std::string> EnterSystemsText(const AppContext& app, std::string_view text) {
  SystemsManuscript read = ReadSystemsShorthand(text);
  AppState& state = app.state;
  state.store.systems = {};
  state.store.systemCount = 0;
  state.systemRows = {};
  for (const SystemEntry& entry : read.entries) EnterSystem(state, FieldsOf(entry));
  state.field.grid.MarkStale();
  app.ui.RefreshWindow(WindowId::Gyogyou);
  return std::move(read.unreadClauses);
}

std::string SystemsText(const ObservationStore& store) {
  const auto count = static_cast<std::size_t>(ClampCount(store.systemCount));
  return WriteSystemsShorthand(std::span(store.systems.data(), count));
}

void DrawDictationMap(const AppContext& app) {
  LayerSwitches layers = app.state.layers;
  layers.isobars = layers.fronts = false;
  DrawLayers(app, layers);
}

std::string DictationDateText(const ObservationStore& store, int year, int month, int day) {
  if (!store.observationDate.empty() && AnyStationReport(store)) return store.observationDate;
  return ZeroPadded(year, 4) + "年" + ZeroPadded(month, 2) + "月" + ZeroPadded(day, 2) + "日" +
         ZeroPadded(kBroadcastHour, 2) + "時";
}

}  // namespace nimbara
