#pragma once
// The isobar practice (等圧線を引く練習) as it stands: the pupil's drawing,
// the drawings before each change (for 元に戻す), the value the next line
// gets, and whether the answer is shown.

#include <vector>

#include "core/PracticeDrawing.h"

namespace nimbara {

// What a press on the practice map does.
enum class PracticeTool { Draw, Erase, High, Low };

struct PracticeSession {
  PracticeDrawing drawing;
  std::vector<PracticeDrawing> history;  // oldest first
  double value = 0.0;                    // hPa; 0 until the practice starts
  PracticeTool tool = PracticeTool::Draw;
  bool answerShown = false;
};

}  // namespace nimbara
