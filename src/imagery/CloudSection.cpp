#include "imagery/CloudSection.h"

#include <cmath>
#include <cstdint>

#include "core/Numbers.h"

namespace nimbara {
namespace {

// Sampled range along each line and the geometry of the frame around it.
constexpr int kNorthSouthFirst = 40;
constexpr int kNorthSouthLast = 380;
constexpr int kEastWestFirst = 10;
constexpr int kEastWestLast = 380;
constexpr double kFrameDepth = 50.0;  // frame width beside the line
constexpr double kFrameStart = 32.0;  // north end of the north-south frame
constexpr double kFrameEnd = 390.0;   // south or east end of a frame
constexpr double kBarOffset = 5.0;    // gap between the line and a bar
constexpr double kBrightnessPerUnit = 8.0;
constexpr std::int64_t kColourSpan = 16777216;  // 0x1000000

int Average(std::int64_t red, std::int64_t green, std::int64_t blue) {
  return RoundToInt(static_cast<double>(red + green + blue) / 3.0);
}

std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
  return static_cast<std::int64_t>(std::floor(static_cast<double>(value) / static_cast<double>(divisor)));
}

void AddBar(CloudSection& section, PointF from, PointF to) {
  if (from == to) return;  // a black sample has no bar
  section.bars.push_back({from, to});
}

void AddBox(CloudSection& section, double left, double top, double right, double bottom, Colour colour) {
  section.frame.push_back({{left, top, right, bottom}, colour});
}

}  // namespace

int NorthSouthBrightness(Colour colour) {
  const std::int64_t digits = (static_cast<std::int64_t>(colour) + kColourSpan) % kColourSpan;
  return Average(digits & 0xFF, (digits >> 8) & 0xFF, (digits >> 16) & 0xFF);
}

int EastWestBrightness(Colour colour) {
  const std::int64_t c = colour;
  const std::int64_t blue = FloorDiv(c, 65536);
  const std::int64_t green = FloorDiv(c - 65536 * blue, 256);
  const std::int64_t red = c - 256 * FloorDiv(c, 256);
  return Average(red, green, blue);
}

CloudSection NorthSouthSection(const ColourAt& colourAt, double x) {
  CloudSection section;
  BrightnessProfile& profile = section.profile;
  for (int v = kNorthSouthFirst; v <= kNorthSouthLast; ++v)
    profile[v] = NorthSouthBrightness(colourAt({x, static_cast<double>(v)}));

  AddBox(section, x - kFrameDepth, kFrameStart, x, kFrameEnd, kLightBlue);
  AddBox(section, x - 2, kFrameStart, x, kFrameEnd, kDarkBlue);
  AddBox(section, x - kFrameDepth + 1, kFrameEnd - 1, x, kFrameEnd, kDarkBlue);
  AddBox(section, x - kFrameDepth, kFrameStart, x, kFrameStart + 2, kDarkCyan);
  AddBox(section, x - kFrameDepth, kFrameStart, x - kFrameDepth + 1, kFrameEnd, kDarkCyan);

  for (int v = kNorthSouthFirst; v <= kNorthSouthLast; ++v) {
    const double row = v;
    AddBar(section, {x - kBarOffset, row}, {x - kBarOffset - profile[v] / kBrightnessPerUnit, row});
  }
  return section;
}

CloudSection EastWestSection(const ColourAt& colourAt, double y) {
  CloudSection section;
  BrightnessProfile& profile = section.profile;
  for (int u = kEastWestFirst; u <= kEastWestLast; ++u)
    profile[u] = EastWestBrightness(colourAt({static_cast<double>(u), y}));

  AddBox(section, 0, y - kFrameDepth, kFrameEnd, y, kLightBlue);
  AddBox(section, 0, y - 2, kFrameEnd, y, kDarkBlue);
  AddBox(section, kFrameEnd - 1, y - kFrameDepth + 1, kFrameEnd, y, kDarkCyan);
  AddBox(section, 0, y - kFrameDepth, kFrameEnd, y - kFrameDepth + 1, kDarkCyan);
  AddBox(section, kFrameEnd - 1, y - kFrameDepth, kFrameEnd, y, kDarkBlue);

  for (int u = kEastWestFirst; u <= kEastWestLast; ++u) {
    const double column = u;
    AddBar(section, {column, y - kBarOffset}, {column, y - kBarOffset - profile[u] / kBrightnessPerUnit});
  }
  return section;
}

}  // namespace nimbara
