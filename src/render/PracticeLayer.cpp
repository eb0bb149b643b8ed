#include "render/PracticeLayer.h"

#include "core/Numbers.h"

namespace nimbara {
namespace {

constexpr int kPupilLineWidth = 2;
constexpr double kLabelFontSize = 9.0;
constexpr double kMarkFontSize = 16.0;
// Map units from a line's end to the corner of its value, and from a mark's
// place to the corner of its character, so the character sits on the place.
constexpr PointF kLabelOffset{2.0, -4.0};
constexpr double kMarkOffset = 5.0;
// Values and marks are written over a white outline, so they stay readable
// over symbols and satellite pictures.
constexpr int kHaloWidth = 3;

void DrawLines(Canvas& canvas, const PracticeDrawing& drawing, Colour colour) {
  canvas.SetFontBold(false);
  canvas.SetFontSize(kLabelFontSize);
  for (const PracticeLine& line : drawing.lines) {
    if (line.points.empty()) continue;
    canvas.Polyline(line.points, colour);
    const PointF end = line.points.back();
    canvas.HaloText({end.x + kLabelOffset.x, end.y + kLabelOffset.y}, ShortestDecimal(line.value), kWhite, kHaloWidth);
  }
}

void DrawMarks(Canvas& canvas, const PracticeDrawing& drawing) {
  canvas.SetFontBold(true);
  canvas.SetFontSize(kMarkFontSize);
  for (const PracticeMark& mark : drawing.marks)
    canvas.HaloText({mark.at.x - kMarkOffset, mark.at.y - kMarkOffset}, CentreMarkText(mark.kind), kWhite, kHaloWidth);
}

void DrawIn(Canvas& canvas, const PracticeDrawing& drawing, Colour colour, int width) {
  canvas.SetLineWidth(width);
  canvas.SetForeColour(colour);
  DrawLines(canvas, drawing, colour);
  DrawMarks(canvas, drawing);
  canvas.SetLineWidth(kThinLineWidth);
}

}  // namespace

void DrawPracticeDrawing(Canvas& canvas, const PracticeDrawing& drawing, Colour colour) {
  DrawIn(canvas, drawing, colour, kPupilLineWidth);
}

void DrawPracticeWithAnswer(Canvas& canvas, const PracticeDrawing& pupil, const PracticeDrawing& answer) {
  DrawPracticeDrawing(canvas, pupil, kPupilLineColour);
  DrawIn(canvas, answer, kAnswerLineColour, kThinLineWidth);
}

}  // namespace nimbara
