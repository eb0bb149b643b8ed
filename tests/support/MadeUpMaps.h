#pragma once
// Maps made up for the chart style's checks beside the two samples: centres
// near every edge and corner, a 1040 hPa high, 930 and 940 hPa typhoons,
// ships crowding the corner beside the legend. Each is the summer sample's
// stations with pressures read off a field of its centres, and its own ships
// and systems (whole degrees, as the data file holds them).

#include <cmath>
#include <string>
#include <vector>

#include "app/DisplayCommands.h"
#include "app/FileCommands.h"
#include "core/Projection.h"
#include "render/RecordingCanvas.h"

namespace nimbara::testing {

struct MadeUpCentre {
  const char* kind;  // the word of its row in core/SystemKind.h
  int latitude;
  int longitude;
  int hPa;
};

struct MadeUpShip {  // reporting the map's pressure there
  int latitude;
  int longitude;
};

struct MadeUpFrontPoint {
  const char* kind;
  int latitude;
  int longitude;
};

struct MadeUpMap {
  std::string name;
  std::vector<MadeUpCentre> centres;
  std::vector<MadeUpShip> ships;
  std::vector<MadeUpFrontPoint> front;
};

inline std::vector<MadeUpMap> MadeUpMaps() {
  return {
      {"CentresInTheCorners",
       {{"低気圧", 44, 84, 996}, {"高気圧", 54, 164, 1040}, {"高気圧", 11, 112, 1024}, {"台風", 11, 148, 930}},
       {},
       {{"寒冷前線", 44, 84}, {"寒冷前線", 40, 90}, {"寒冷前線", 36, 95}}},
      {"CentresAtTheEdges",
       {{"低気圧", 25, 101, 990}, {"高気圧", 31, 154, 1032}, {"低気圧", 55, 119, 1000}, {"台風", 12, 129, 930}},
       {},
       {{"温暖前線", 55, 119}, {"温暖前線", 52, 126}, {"温暖前線", 50, 132}}},
      {"ShipsBesideTheLegend",
       {{"低気圧", 50, 158, 992}, {"台風", 27, 127, 940}, {"高気圧", 40, 100, 1036}},
       {{55, 160}, {54, 163}, {53, 166}, {52, 160}, {51, 164}, {50, 166}, {49, 161}, {48, 165}, {53, 156},
        {51, 154}, {48, 157}, {47, 162}, {46, 166}, {45, 158}, {55, 150}, {52, 150}},
       {{"停滞前線", 50, 158}, {"停滞前線", 47, 150}, {"停滞前線", 44, 142}}},
  };
}

// The pressure a made-up map has at a point: a westerly gradient with each
// centre's dip or rise.
inline double MadeUpPressure(const std::vector<MadeUpCentre>& centres, PointF at) {
  constexpr double kBackground = 1012;
  constexpr double kGradient = 0.02;  // hPa per map unit eastward
  constexpr double kSpread = 50.0;    // map units
  double hPa = kBackground + kGradient * (at.x - kMapSize / 2);
  for (const MadeUpCentre& c : centres) {
    const MapPoint p = ProjectLatLon(c.latitude, c.longitude);
    const double d2 = std::pow(at.x - p.x, 2) + std::pow(at.y - p.y, 2);
    hPa += (c.hPa - kBackground) * std::exp(-d2 / (kSpread * kSpread));
  }
  return hPa;
}

// Loads the map and displays it (in the style the state's switches choose),
// the drawing log holding that display alone.
inline void LoadMadeUpMap(const AppContext& app, const MadeUpMap& map) {
  OpenDataFile(app, std::string(NIMBARA_SAMPLES) + "/20240820_12.txt");
  ObservationStore& store = app.state.store;
  for (int slot = 0; slot < kBulletinStationCount; ++slot) {
    const PointF at{static_cast<double>(store.stations.x[slot]), static_cast<double>(store.stations.y[slot])};
    store.stationRecords[slot].pressure = static_cast<std::int32_t>(std::lround(MadeUpPressure(map.centres, at)));
  }
  store.shipCount = static_cast<std::int16_t>(map.ships.size());
  for (std::size_t i = 0; i < map.ships.size(); ++i) {
    const MapPoint p = ProjectLatLon(map.ships[i].latitude, map.ships[i].longitude);
    constexpr int kNorthEast = 2;  // direction code
    constexpr int kForce = 4;
    constexpr int kCloudy = 2;  // weather code
    store.ships[i] = {map.ships[i].latitude, map.ships[i].longitude, kNorthEast, kForce, kCloudy,
                      static_cast<std::int32_t>(std::lround(MadeUpPressure(map.centres, {double(p.x), double(p.y)})))};
  }
  store.systemCount = static_cast<std::int16_t>(map.centres.size() + map.front.size());
  std::size_t slot = 0;
  for (const MadeUpCentre& c : map.centres) store.systems[slot++] = {c.kind, c.latitude, c.longitude, c.hPa};
  for (const MadeUpFrontPoint& f : map.front) store.systems[slot++] = {f.kind, f.latitude, f.longitude, 0};
  app.state.field.grid.MarkStale();
  if (auto* recording = dynamic_cast<RecordingCanvas*>(&app.canvas)) recording->ClearLog();
  cntDisplay_Click(app);
}

}  // namespace nimbara::testing
