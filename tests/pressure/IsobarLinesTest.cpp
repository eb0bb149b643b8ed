#include "pressure/IsobarLines.h"

#include <gtest/gtest.h>

#include <cmath>

#include "pressure/IsobarLabels.h"
#include "pressure/IsobarTracer.h"
#include "support/GridFixtures.h"

namespace nimbara {
namespace {

constexpr PointF kBowlCentre{200, 200};

// 1000 hPa at the centre, rising 1 hPa every 3 map units to a level 1050 hPa
// 150 units out: rings 1004, 1008, …, 1048.
PressureGrid Bowl() {
  constexpr double kRim = 150;
  PressureGrid grid;
  for (int c = 0; c <= kGridLast; ++c)
    for (int r = 0; r <= kGridLast; ++r) {
      const double d = Distance({kNodeSpacing * c + 0.5, kNodeSpacing * r + 0.5}, kBowlCentre);
      grid.At(c, r) = 100000 + static_cast<std::int32_t>(100 * std::min(d, kRim) / 3);
    }
  return grid;
}

// Rising 1 hPa per map unit eastward: straight isobars from the top to the bottom.
PressureGrid Slope() {
  PressureGrid grid;
  for (int c = 0; c <= kGridLast; ++c)
    for (int r = 0; r <= kGridLast; ++r) grid.At(c, r) = 100000 + 10 * kNodeSpacing * c + 7;
  return grid;
}

TEST(IsobarLines, CellPiecesJoinIntoWholeLines) {
  const struct {
    const char* name;
    PressureGrid grid;
    bool closed;
    std::size_t count;
  } cases[] = {{"rings round a low", Bowl(), true, 12}, {"a slope", Slope(), false, 9}};
  for (const auto& c : cases) {
    const std::vector<IsobarLine> lines = ChainIsobarLines(c.grid, 400.0f, 200.0f);
    std::size_t pieces = 0;
    for (int r = 0; r <= kGridLast; ++r)
      for (int col = 0; col <= kGridLast; ++col)
        if (IsContouredCell(col, r)) pieces += ContourCellSegments(c.grid, col, r, 400.0f, 200.0f).size();
    std::size_t joined = 0;
    for (const IsobarLine& line : lines) {
      EXPECT_EQ(line.Closed(), c.closed) << c.name << " " << line.level;
      EXPECT_EQ(std::fmod(line.level, 400.0f), 0.0f) << c.name;
      joined += line.points.size() - 1;
    }
    EXPECT_EQ(lines.size(), c.count) << c.name;
    EXPECT_EQ(joined, pieces) << c.name;  // every piece in exactly one line
  }
}

TEST(IsobarLines, SmoothLinesKeepEveryCrossing) {
  for (const IsobarLine& line : ChainIsobarLines(Bowl(), 400.0f, 200.0f)) {
    const IsobarLine smooth = SmoothIsobarLines(std::span(&line, 1)).front();
    EXPECT_EQ(smooth.points.size(), 4 * (line.points.size() - 1) + 1);
    for (std::size_t i = 0; i < line.points.size(); ++i) EXPECT_EQ(smooth.points[4 * i], line.points[i]);
  }
}

TEST(IsobarLines, ARingCutOnceByAHiddenBoxStaysOneLine) {
  const std::vector<IsobarLine> rings = SmoothIsobarLines(ChainIsobarLines(Bowl(), 400.0f, 200.0f));
  const Box area{0, 0, 400, 400};
  const Box band{0, 0, 400, 200};  // hides the northern half of every ring
  const std::vector<IsobarLine> visible = VisibleIsobarLines(rings, area, std::span(&band, 1));
  ASSERT_EQ(visible.size(), rings.size());
  for (const IsobarLine& line : visible) {
    EXPECT_FALSE(line.Closed());
    for (const PointF& p : line.points) EXPECT_GE(p.y, 200 - 1e-9);
  }
  EXPECT_EQ(VisibleIsobarLines(rings, area, {}).size(), rings.size());
}

TEST(IsobarLabels, EveryRingIsLabelledClearOfTheCentreAndOfEachOther) {
  const std::vector<IsobarLine> rings = SmoothIsobarLines(ChainIsobarLines(Bowl(), 400.0f, 200.0f));
  LabelLayout layout{{0, 0, 400, 400}, 6, 3, {BoxAround(kBowlCentre, 12, 12)}, {}, {}, 0};
  const std::vector<IsobarLabel> labels = PlaceIsobarLabels(rings, layout);
  std::vector<bool> labelled(rings.size(), false);
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const IsobarLabel& label = labels[i];
    labelled[label.line] = true;
    EXPECT_EQ(label.text, IsobarLabelText(rings[label.line].level));
    EXPECT_FALSE(label.gap.Overlaps(layout.keepClear.front()));
    for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(label.gap.Overlaps(labels[j].gap));
  }
  for (std::size_t i = 0; i < rings.size(); ++i) EXPECT_TRUE(labelled[i]) << rings[i].level;
  // The gaps are cut out: what is drawn of a labelled line stays out of its labels.
  for (const IsobarLine& piece : CutLabelGaps(rings, labels)) {
    for (const IsobarLabel& label : labels) {
      if (label.text != IsobarLabelText(piece.level)) continue;
      for (const PointF& p : piece.points) EXPECT_FALSE(label.gap.Grown(-1e-9).Contains(p));
    }
  }
}

TEST(IsobarLabels, ValuesAreWrittenInHectopascals) {
  EXPECT_EQ(IsobarLabelText(100800.0f), "1008");
  EXPECT_EQ(IsobarLabelText(101050.0f), "1010.5");
}

}  // namespace
}  // namespace nimbara
