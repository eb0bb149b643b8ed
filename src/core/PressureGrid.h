#pragma once
// The pressure grid: 61 x 61 cells of hundredths of hPa, of which columns and
// rows 0 to 33 are used; node (c, r) stands for map position (12c, 12r).
// The grid is valid while cell (0, 0) holds a value greater than 0, or while
// a computation that could not fill it (too few pressures) stands.

#include <array>
#include <cstdint>
#include <climits>

namespace nimbara {

inline constexpr int kGridCapacity = 61;
inline constexpr int kGridLast = 33;        // last used column and row
inline constexpr int kNodeSpacing = 12;     // 400 / 33 rounded
inline constexpr std::int32_t kPressureScale = 100;

// An observation in whole hPa as grid units (hundredths), saturated to 32 bits.
constexpr std::int32_t ToGridUnits(std::int32_t hPa) {
  const std::int64_t scaled = static_cast<std::int64_t>(hPa) * kPressureScale;
  if (scaled > INT32_MAX) return INT32_MAX;
  if (scaled < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(scaled);
}

template <typename T>
struct GridArray {
  std::array<std::array<T, kGridCapacity>, kGridCapacity> cells{};  // [column][row]

  T& At(int column, int row) { return cells[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)]; }
  T At(int column, int row) const { return cells[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)]; }
  static bool InArray(int column, int row) {
    return column >= 0 && row >= 0 && column < kGridCapacity && row < kGridCapacity;
  }
  static bool IsInterior(int column, int row) {
    return column > 0 && column < kGridLast && row > 0 && row < kGridLast;
  }
  bool operator==(const GridArray&) const = default;
};

struct PressureGrid : GridArray<std::int32_t> {
  // The last computation ended with too few cells filled; it is still the
  // grid of the current observations, so it is not computed (and asked
  // about) again before they change.
  bool incomplete = false;

  bool IsValid() const { return At(0, 0) > 0 || incomplete; }
  void MarkStale() {
    At(0, 0) = 0;
    incomplete = false;
  }
  // Every cell of columns and rows 0 to 33 set to 0: nothing computed.
  void ClearUsed();
  bool operator==(const PressureGrid&) const = default;
};
using ScratchGrid = PressureGrid;
using FixedCellFlags = GridArray<std::int8_t>;  // -1 for a cell holding a centre

// The grid with its work copy and the fixed-cell flags of the last computation.
struct PressureField {
  PressureGrid grid;
  ScratchGrid scratch;
  FixedCellFlags fixed;
  bool operator==(const PressureField&) const = default;
};

}  // namespace nimbara
