#pragma once
// Sizes of the weather and wind symbols in map units.

namespace nimbara {

struct SymbolSize {
  float circleRadius = 3.0f;  // CircleRadius; 5.0 also tells enlarged mode
  float shaftStart = 3.5f;    // ShaftStart
  float shaftStep = 2.0f;     // ShaftStep
  float featherSize = 2.0f;   // FeatherSize

  static constexpr SymbolSize Normal() { return {3.0f, 3.5f, 2.0f, 2.0f}; }
  static constexpr SymbolSize Enlarged() { return {5.0f, 5.0f, 4.0f, 4.0f}; }
  bool IsEnlarged() const { return circleRadius == 5.0f; }
  bool operator==(const SymbolSize&) const = default;
};

}  // namespace nimbara
