#pragma once
// Colours are 24-bit values in a 32-bit integer, red in the low byte, then
// green, then blue (the order the files store them in).

#include <array>
#include <cmath>
#include <cstdint>

namespace nimbara {

using Colour = std::int32_t;

constexpr Colour Rgb(int red, int green, int blue) {
  return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(Colour c) { return c & 0xFF; }
constexpr int GreenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(Colour c) { return (c >> 16) & 0xFF; }

// `over` laid on `under` with opacity `alpha` (0 to 1), each channel rounded.
inline Colour Blend(Colour over, double alpha, Colour under) {
  const auto mix = [alpha](int top, int bottom) {
    return static_cast<int>(std::lround(top * alpha + bottom * (1 - alpha)));
  };
  return Rgb(mix(RedOf(over), RedOf(under)), mix(GreenOf(over), GreenOf(under)), mix(BlueOf(over), BlueOf(under)));
}

// Entries of the standard 16-colour palette that the map uses.
inline constexpr Colour kBlack = Rgb(0, 0, 0);
inline constexpr Colour kWhite = Rgb(255, 255, 255);
inline constexpr Colour kLightBlue = Rgb(0, 0, 255);   // palette 9
inline constexpr Colour kLightRed = Rgb(255, 0, 0);    // palette 12
inline constexpr Colour kDarkBlue = Rgb(0, 0, 128);    // palette 1
inline constexpr Colour kDarkCyan = Rgb(0, 128, 128);  // palette 3

// The ten colour slots, numbered 1 to 10 as the colour window and the files
// number them.
enum class ColourSlot : int {
  Text = 1,
  Map = 2,
  Isobar = 3,
  Weather = 4,
  Wind = 5,
  WarmFront = 6,
  ColdFront = 7,
  StationaryFront = 8,
  OccludedFront = 9,
  Background = 10,
};
inline constexpr int kColourSlotCount = 10;

// The slot of that number (1 to 10), and the number of a slot.
constexpr ColourSlot ColourSlotNumbered(int number) { return static_cast<ColourSlot>(number); }
constexpr int NumberOf(ColourSlot slot) { return static_cast<int>(slot); }

struct ColourSlots {
  std::array<Colour, kColourSlotCount + 1> values = StartupValues();  // [0] unused

  Colour operator[](ColourSlot slot) const { return values[static_cast<std::size_t>(slot)]; }
  Colour& operator[](ColourSlot slot) { return values[static_cast<std::size_t>(slot)]; }
  bool operator==(const ColourSlots&) const = default;

  // "はじめの色": the colours of a first start.
  static constexpr std::array<Colour, kColourSlotCount + 1> StartupValues() {
    return {0,         kBlack,    kLightBlue, kLightBlue, kLightBlue, kLightBlue,
            kLightRed, kLightRed, kLightRed,  kLightRed,  kWhite};
  }
};

}  // namespace nimbara
