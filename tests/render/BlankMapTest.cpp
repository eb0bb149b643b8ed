#include "render/BlankMap.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "render/RecordingCanvas.h"

namespace nimbara {
namespace {

std::size_t CountStarting(const std::vector<std::string>& lines, const std::string& prefix) {
  return static_cast<std::size_t>(
      std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(prefix); }));
}

TEST(BlankMap, EveryStationGetsADotAndItsName) {
  const StationTable stations = BuiltInStationTable();
  RecordingCanvas canvas;
  DrawBlankMap(canvas, stations, kBuiltInStationCount);
  const auto& lines = canvas.Lines();
  EXPECT_EQ(CountStarting(lines, "circle "), static_cast<std::size_t>(kBuiltInStationCount));
  for (int slot = 0; slot < kBuiltInStationCount; ++slot) {
    const std::string name = stations.names[slot];
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [&](const std::string& l) { return l.starts_with("text ") && l.ends_with(" " + name); }),
              1)
        << name;
  }
}

TEST(BlankMap, GridFollowsTheProjection) {
  RecordingCanvas canvas;
  DrawBlankMap(canvas, BuiltInStationTable(), kBuiltInStationCount);
  // The 140E meridian runs from 10N to 56N through the pole's direction.
  EXPECT_NE(std::find(canvas.Lines().begin(), canvas.Lines().end(), "line 314.5476 417.9747 285.9257 54.2992 1 #AAAAAA"),
            canvas.Lines().end());
  // Latitude labels and longitude labels, and no weather of any kind.
  EXPECT_EQ(CountStarting(canvas.Lines(), "text ") - kBuiltInStationCount, 4u + 7u);
  EXPECT_EQ(CountStarting(canvas.Lines(), "polygon "), 0u);
}

}  // namespace
}  // namespace nimbara
