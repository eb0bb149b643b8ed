#pragma once
// The spacing of the isobars in grid units (hundredths of hPa) and the start
// offset of the level loop, half the interval.

namespace nimbara {

struct IsobarInterval {
  float interval = 400.0f;     // IsobarInterval
  float startOffset = 200.0f;  // IsobarStartOffset

  // From an interval in hPa: interval x 100 and (v - v / 2) x 100.
  static IsobarInterval FromHectopascals(float hPa) { return {hPa * 100.0f, (hPa - hPa / 2.0f) * 100.0f}; }
  bool operator==(const IsobarInterval&) const = default;
};

}  // namespace nimbara
