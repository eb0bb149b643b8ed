#include "render/PracticeLayer.h"

#include <gtest/gtest.h>

#include "render/RecordingCanvas.h"

namespace nimbara {
namespace {

TEST(PracticeLayer, PupilLinesCarryTheirValuesAndTheAnswerComesOverThemInItsColour) {
  RecordingCanvas canvas;
  const PracticeDrawing pupil{{{1012, {{100, 100}, {120, 110}}}}, {{CentreMarkKind::Low, {200, 200}}}};
  const PracticeDrawing answer{{{1012, {{101, 100}, {121, 112}}}}, {{CentreMarkKind::Low, {204, 198}}}};
  DrawPracticeWithAnswer(canvas, pupil, answer);
  EXPECT_EQ(canvas.Lines(), (std::vector<std::string>{
                                "polyline 2 #0000A0 100 100 120 110",
                                "halotext 122 106 9 0 #0000A0 #FFFFFF 3 1012",
                                "halotext 195 195 16 1 #0000A0 #FFFFFF 3 低",
                                "polyline 1 #E60078 101 100 121 112",
                                "halotext 123 108 9 0 #E60078 #FFFFFF 3 1012",
                                "halotext 199 193 16 1 #E60078 #FFFFFF 3 低",
                            }));
  EXPECT_EQ(canvas.State().lineWidth, kThinLineWidth);
}

}  // namespace
}  // namespace nimbara
