#pragma once
// The map-unit rectangle shown across the whole drawing area of the Canvas.

namespace nimbara {

inline constexpr float kMapSize = 400.0f;  // the base map is 400 x 400 map units

// Whether a map coordinate lies on the base map, ends included (never when it
// is not a finite number).
inline bool OnBaseMap(double v) { return v >= 0.0 && v <= kMapSize; }

struct MapView {
  float top = 0.0f;
  float left = 0.0f;
  float width = kMapSize;
  float height = kMapSize;
  bool operator==(const MapView&) const = default;
};

// A width or height of 0 (or not finite) cannot serve as a scale: such a value
// is replaced by the default 400, the others are kept.
MapView UsableMapView(MapView view);

}  // namespace nimbara
