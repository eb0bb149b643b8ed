#pragma once
// The system kinds (高気圧 … 等圧線): one row each with everything the
// program knows about a kind. Entries, files and the drawing log carry the
// kind's word; whoever needs to know more about it asks its row.

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/Colour.h"

namespace nimbara {

namespace kind {
inline constexpr std::string_view kHigh = "高気圧";
inline constexpr std::string_view kLow = "低気圧";
inline constexpr std::string_view kTyphoon = "台風";
inline constexpr std::string_view kTropicalDepression = "熱帯低気圧";
inline constexpr std::string_view kWarmFront = "温暖前線";
inline constexpr std::string_view kColdFront = "寒冷前線";
inline constexpr std::string_view kStationaryFront = "停滞前線";
inline constexpr std::string_view kOccludedFront = "閉塞前線";
inline constexpr std::string_view kIsobarPoint = "等圧線";
// Not kinds: the entry window's markers that repeat the position before.
inline constexpr std::string_view kFromCentre = "中心から";
inline constexpr std::string_view kFromThere = "そこから";
}  // namespace kind

enum class SystemShape { Centre, Front, IsobarPoint };

// The four fronts; each has its own drawing routine in both styles.
enum class FrontKind { Warm, Cold, Stationary, Occluded };

// Which centres the pressure grid's passes around centres take: set A is
// low, high and typhoon; set B adds the tropical depression.
enum class CentreKinds { SetA, SetB };

struct SystemKind {
  std::string_view word;            // as lists, files and the drawing log name it
  std::string_view bulletinKeyword;  // how the agency's page starts its line
  std::array<std::string_view, 2> shortForms;  // of dictation; the first is the one written
  std::string_view letters;                    // of dictation on a keyboard without Japanese input
  SystemShape shape;
  std::string_view centreMark;  // 高, 低, 台, 熱低: the map's mark (centres only)
  bool inCentreSetA;            // centres only
  bool keptInIsobarFile;        // the isobar file lists its entries
  FrontKind front;              // fronts only: the drawing routine
  ColourSlot colour;            // the classic drawing's colour slot
  Colour chartColour;           // the chart style's mark, line and half-discs
  Colour chartTriangleColour;   // the chart style's triangles (fronts)
};

namespace chart_colour {
inline constexpr Colour kHigh = Rgb(0, 70, 200);
inline constexpr Colour kLow = Rgb(210, 20, 20);
inline constexpr Colour kWarm = Rgb(220, 20, 20);
inline constexpr Colour kCold = Rgb(0, 70, 220);
inline constexpr Colour kOccluded = Rgb(150, 40, 180);
inline constexpr Colour kNone = kBlack;
}  // namespace chart_colour

// In the order of the entry window's list.
inline constexpr std::array<SystemKind, 9> kSystemKinds = {{
    {kind::kHigh, "高気", {"高", ""}, "H", SystemShape::Centre, "高", true, true, FrontKind::Warm, ColourSlot::Text,
     chart_colour::kHigh, chart_colour::kHigh},
    {kind::kLow, "低気", {"低", ""}, "L", SystemShape::Centre, "低", true, true, FrontKind::Warm, ColourSlot::Text,
     chart_colour::kLow, chart_colour::kLow},
    {kind::kTyphoon, "台風", {"台", ""}, "T", SystemShape::Centre, "台", true, true, FrontKind::Warm, ColourSlot::Text,
     chart_colour::kLow, chart_colour::kLow},
    {kind::kTropicalDepression, "熱帯", {"熱低", "熱帯"}, "TD", SystemShape::Centre, "熱低", false, false, FrontKind::Warm,
     ColourSlot::Text, chart_colour::kLow, chart_colour::kLow},
    {kind::kWarmFront, "温暖", {"温暖", ""}, "W", SystemShape::Front, "", false, true, FrontKind::Warm,
     ColourSlot::WarmFront, chart_colour::kWarm, chart_colour::kWarm},
    {kind::kColdFront, "寒冷", {"寒冷", ""}, "C", SystemShape::Front, "", false, true, FrontKind::Cold,
     ColourSlot::ColdFront, chart_colour::kCold, chart_colour::kCold},
    {kind::kStationaryFront, "停滞", {"停滞", ""}, "S", SystemShape::Front, "", false, true, FrontKind::Stationary,
     ColourSlot::StationaryFront, chart_colour::kWarm, chart_colour::kCold},
    {kind::kOccludedFront, "閉塞", {"閉塞", ""}, "O", SystemShape::Front, "", false, true, FrontKind::Occluded,
     ColourSlot::OccludedFront, chart_colour::kOccluded, chart_colour::kOccluded},
    {kind::kIsobarPoint, "等圧", {"等圧", ""}, "I", SystemShape::IsobarPoint, "", false, false, FrontKind::Warm,
     ColourSlot::Isobar, chart_colour::kNone, chart_colour::kNone},
}};

namespace detail {
constexpr std::array<std::string_view, kSystemKinds.size()> WordsOf() {
  std::array<std::string_view, kSystemKinds.size()> words{};
  for (std::size_t i = 0; i < kSystemKinds.size(); ++i) words[i] = kSystemKinds[i].word;
  return words;
}
}  // namespace detail

// The words alone, for the entry window's list.
inline constexpr std::array<std::string_view, kSystemKinds.size()> kSystemKindList = detail::WordsOf();

// The row of the kind named `word`; nothing for another word.
const SystemKind* SystemKindNamed(std::string_view word);
// The row of a front.
const SystemKind& RowOf(FrontKind front);

// The rows of one shape, the longest word first: a reader looking for the
// words in a text finds "熱帯低気圧" before the "低気圧" it holds.
std::vector<const SystemKind*> KindsOfShape(SystemShape shape);

bool IsFrontKind(std::string_view word);
bool IsCentreKind(std::string_view word, CentreKinds set);
// The centre's mark; empty for a kind without one.
std::string_view CentreMark(std::string_view word);

}  // namespace nimbara
