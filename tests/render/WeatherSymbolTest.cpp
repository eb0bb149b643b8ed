#include "render/WeatherSymbol.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "render/RecordingCanvas.h"

namespace nimbara {
namespace {

using Lines = std::vector<std::string>;

const std::string kOutline = "circle 100 100 3 - - 1 #0000FF #FFFFFF";

Lines Draw(std::int16_t code, const SymbolSize& size = SymbolSize::Normal()) {
  RecordingCanvas canvas;
  DrawWeatherSymbol(canvas, 100, 100, code, size, ColourSlots{});
  return canvas.Lines();
}

struct SymbolCase {
  std::int16_t code;
  Lines marks;  // what follows the outlined circle
};

class WeatherSymbolMarks : public ::testing::TestWithParam<SymbolCase> {};

TEST_P(WeatherSymbolMarks, CircleFilledWithBackgroundThenTheMarksOfTheCode) {
  Lines expected = {kOutline};
  expected.insert(expected.end(), GetParam().marks.begin(), GetParam().marks.end());
  EXPECT_EQ(Draw(GetParam().code), expected);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCode, WeatherSymbolMarks,
    ::testing::Values(
        SymbolCase{0, {}},
        SymbolCase{1, {"line 100 103 100 97 1 #0000FF"}},
        SymbolCase{2, {"circle 100 100 1.5 - - 1 #0000FF -"}},
        SymbolCase{3, {"circle 100 100 3 - - 1 #0000FF #0000FF"}},
        SymbolCase{4,
                   {"line 101.5 102.5981 98.5 97.4019 1 #0000FF", "line 98.5 102.5981 101.5 97.4019 1 #0000FF",
                    "line 103 100 97 100 1 #0000FF"}},
        SymbolCase{5,
                   {"line 101.5 97.4019 100 100 1 #0000FF", "line 100 100 98.5 97.4019 1 #0000FF",
                    "circle 100 100 3 -3.1416 -6.2832 1 #0000FF #0000FF"}},
        SymbolCase{6,
                   {"line 97.4019 101.5 102.5981 101.5 1 #0000FF", "line 97.4019 101.5 100 97 1 #0000FF",
                    "line 100 97 102.5981 101.5 1 #0000FF"}},
        SymbolCase{7, {"polygon 1 #0000FF #0000FF 97.4019 101.5 102.5981 101.5 100 97.5"}},
        SymbolCase{8, {"circle 100 100 3 -3.1416 -6.2832 1 #0000FF #0000FF"}},
        SymbolCase{9, {"circle 100 100 1 - - 1 #0000FF #0000FF"}},
        SymbolCase{10,
                   {"line 102.1213 102.1213 97.8787 97.8787 1 #0000FF",
                    "line 97.8787 102.1213 102.1213 97.8787 1 #0000FF"}},
        SymbolCase{11, {}}, SymbolCase{-1, {}}, SymbolCase{12, {}}, SymbolCase{32767, {}}));

TEST(WeatherSymbol, EnlargedSymbolsScaleEveryMark) {
  const SymbolSize big = SymbolSize::Enlarged();
  EXPECT_EQ(Draw(2, big).back(), "circle 100 100 2.5 - - 1 #0000FF -");
  EXPECT_EQ(Draw(9, big).back(), "circle 100 100 1.6667 - - 1 #0000FF #0000FF");
  EXPECT_EQ(Draw(4, big)[1], "line 102.5 104.3301 97.5 95.6699 1 #0000FF");
  EXPECT_EQ(Draw(7, big)[1], "polygon 1 #0000FF #0000FF 95.6699 102.5 104.3301 102.5 100 95.5");
}

TEST(WeatherSymbol, MarksStayInsideTheRoundCircleWhenTheTwoScalesDiffer) {
  RecordingCanvas canvas;
  canvas.SetScale({0, 0, 400, 200});  // a vertical map unit spans twice the pixels of a horizontal one
  for (const auto& [code, mark] :
       {std::pair<std::int16_t, const char*>{1, "line 100 101.5 100 98.5 1 #0000FF"},
        {7, "polygon 1 #0000FF #0000FF 97.4019 100.75 102.5981 100.75 100 98.75"}}) {
    canvas.ClearLog();
    DrawWeatherSymbol(canvas, 100, 100, code, SymbolSize::Normal(), ColourSlots{});
    EXPECT_EQ(canvas.Lines(), (Lines{kOutline, mark}));
  }
}

TEST(WeatherSymbol, LeavesTheFillStyleOfItsLastMark) {
  for (const std::int16_t code : {2, 5}) {
    RecordingCanvas canvas;
    DrawWeatherSymbol(canvas, 100, 100, code, SymbolSize::Normal(), ColourSlots{});
    EXPECT_EQ(canvas.State().fillStyle, FillStyle::Transparent) << code;
  }
  RecordingCanvas canvas;
  DrawWeatherSymbol(canvas, 100, 100, 8, SymbolSize::Normal(), ColourSlots{});
  EXPECT_EQ(canvas.State().fillStyle, FillStyle::Solid);
}

TEST(WeatherSymbol, DrawsWithTheColourSlotsOfTheMoment) {
  ColourSlots colours;
  colours[ColourSlot::Weather] = Rgb(10, 20, 30);
  colours[ColourSlot::Background] = Rgb(0, 0, 0);
  RecordingCanvas canvas;
  DrawWeatherSymbol(canvas, 50.5f, 60, 3, SymbolSize::Normal(), colours);
  EXPECT_EQ(canvas.Lines(), (Lines{"circle 50.5 60 3 - - 1 #0A141E #000000", "circle 50.5 60 3 - - 1 #0A141E #0A141E"}));
}

}  // namespace
}  // namespace nimbara
