#pragma once
// The tables of the observation store and the plot points: 201 slots (0 to
// 200), indexed by int as the program counts slots (as GridArray::At is).
// Any whole-number index works, and a SlotArray is a std::array, so code
// that indexes or passes the plain array compiles unchanged.

#include <array>
#include <concepts>
#include <cstddef>

namespace nimbara {

inline constexpr int kSlotCount = 201;
inline constexpr int kLastSlot = kSlotCount - 1;

template <typename T>
struct SlotArray : std::array<T, kSlotCount> {
  template <std::integral Index>
  T& operator[](Index slot) {
    return std::array<T, kSlotCount>::operator[](static_cast<std::size_t>(slot));
  }
  template <std::integral Index>
  const T& operator[](Index slot) const {
    return std::array<T, kSlotCount>::operator[](static_cast<std::size_t>(slot));
  }
  bool operator==(const SlotArray&) const = default;
};

}  // namespace nimbara
