#pragma once
// A practice drawing on the map: the pupil's isobars with their values at
// their ends and their 高/低 marks, and over them, after 答え合わせ, the
// answer in another colour.

#include "canvas/Canvas.h"
#include "core/PracticeDrawing.h"

namespace nimbara {

inline constexpr Colour kPupilLineColour = Rgb(0, 0, 160);
inline constexpr Colour kAnswerLineColour = Rgb(230, 0, 120);

// Each line 2 wide in `colour` with its value written just past its last
// point; each mark in bold. Leaves line width 1.
void DrawPracticeDrawing(Canvas& canvas, const PracticeDrawing& drawing, Colour colour);

// The pupil's drawing, then the answer over it (thinner, so the pupil's line
// still shows beneath).
void DrawPracticeWithAnswer(Canvas& canvas, const PracticeDrawing& pupil, const PracticeDrawing& answer);

}  // namespace nimbara
