#pragma once
// A pupil's isobar drawing (等圧線を引く練習): the lines drawn by hand, each
// with its value in hPa, and the centres marked 高 or 低, all in map units.

#include <string_view>
#include <vector>

#include "core/PathGeometry.h"

namespace nimbara {

struct PracticeLine {
  double value = 0.0;  // hPa
  Path points;
  bool operator==(const PracticeLine&) const = default;
};

enum class CentreMarkKind { High, Low };

struct PracticeMark {
  CentreMarkKind kind = CentreMarkKind::High;
  PointF at;
  bool operator==(const PracticeMark&) const = default;
};

struct PracticeDrawing {
  std::vector<PracticeLine> lines;
  std::vector<PracticeMark> marks;
  bool Empty() const { return lines.empty() && marks.empty(); }
  bool operator==(const PracticeDrawing&) const = default;
};

// "高" or "低".
std::string_view CentreMarkText(CentreMarkKind kind);

}  // namespace nimbara
