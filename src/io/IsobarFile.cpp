#include "io/IsobarFile.h"

#include <algorithm>

#include "core/Numbers.h"
#include "core/SystemKind.h"
#include "core/Text.h"
#include "io/FieldReader.h"

namespace nimbara {
namespace {

constexpr int kGridSide = kGridLast + 1;

std::optional<std::string> NextItem(FieldReader& in) {
  auto item = in.ReadField();
  if (item) *item = TrimSpaces(*item);
  return item;
}

// Stores the next item's number in `target`; a missing item leaves it.
void ReadInto(FieldReader& in, std::int32_t& target) {
  if (auto item = NextItem(in)) target = ReadRounded(*item);
}

}  // namespace

bool IsIsobarFileKind(std::string_view kind) {
  const SystemKind* row = SystemKindNamed(kind);
  return row != nullptr && row->keptInIsobarFile;
}

std::vector<std::string> IsobarFileLines(const PressureGrid& grid, const ObservationStore& store,
                                         const PlotPointTable& plot) {
  std::vector<std::string> lines;
  for (int row = 0; row < kGridSide; ++row) {
    std::string line;
    for (int column = 0; column < kGridSide; ++column) {
      if (column > 0) line += ",";
      line += PrintForm(grid.At(column, row));
    }
    lines.push_back(std::move(line));
  }
  std::vector<std::string> entries;
  const int last = std::min(plot.lastIndex, kLastSlot);
  for (int slot = std::max(FirstSystemSlot(store), 0); slot <= last; ++slot) {
    const std::string& kind = PlotName(store, slot);
    if (!IsIsobarFileKind(kind)) continue;
    entries.push_back(QuoteFieldIfNeeded(kind) + "," + PrintForm(plot.x[slot]) + "," + PrintForm(plot.y[slot]));
  }
  lines.push_back(PrintForm(static_cast<std::int32_t>(entries.size())));
  lines.insert(lines.end(), entries.begin(), entries.end());
  return lines;
}

void ReadIsobarText(std::string_view text, ObservationStore& store, PlotPointTable& plot,
                    PressureGrid& grid) {
  FieldReader in(std::string(text), QuoteRule::DoubledQuotes);
  store.shipCount = 0;
  grid.incomplete = false;  // the file's cell (0, 0) alone tells whether it is valid
  for (int row = 0; row < kGridSide; ++row) {
    for (int column = 0; column < kGridSide; ++column) ReadInto(in, grid.At(column, row));
  }
  const int first = ClampCount(store.stationCount);  // no ships
  std::int32_t count = store.systemCount;
  ReadInto(in, count);
  store.systemCount = static_cast<std::int16_t>(std::clamp(count, 0, kSlotCount - first));
  plot.lastIndex = first + store.systemCount - 1;
  for (int slot = first; slot <= plot.lastIndex; ++slot) {
    if (auto kind = NextItem(in)) store.stations.names[slot] = *kind;
    ReadInto(in, plot.x[slot]);
    ReadInto(in, plot.y[slot]);
  }
}

FileStatus ReadIsobarFile(const std::string& path, ObservationStore& store, PlotPointTable& plot,
                          PressureGrid& grid) {
  const FileRead read = ReadCp932TextFile(path);
  if (read.status) ReadIsobarText(read.content, store, plot, grid);
  return read.status;
}

TextFileSave WriteIsobarFile(const std::string& path, const PressureGrid& grid, const ObservationStore& store,
                     const PlotPointTable& plot) {
  return WriteCp932Lines(path, IsobarFileLines(grid, store, plot));
}

}  // namespace nimbara
