#include "pressure/IsobarLines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "pressure/FieldIsobars.h"
#include "pressure/IsobarLabels.h"
#include "pressure/IsobarTracer.h"
#include "support/GridFixtures.h"

namespace nimbara {
namespace {

constexpr PointF kBowlCentre{200, 200};

// The field of a function of the map point.
template <typename Hectopascals>
SampledField FieldOf(Hectopascals hPa) {
  SampledField field;
  for (int c = 0; c < SampledField::kNodes; ++c)
    for (int r = 0; r < SampledField::kNodes; ++r)
      field.Node(c, r) = hPa(PointF{c * SampledField::kSpacing, r * SampledField::kSpacing});
  return field;
}

// 1000.5 hPa at the centre, rising 1 hPa every 3 map units to a level 1050
// hPa 150 units out: rings 1004, 1008, …, 1048.
SampledField Bowl() {
  return FieldOf([](PointF p) { return 1000.5 + std::min(Distance(p, kBowlCentre), 150.0) / 3; });
}

// Rising 1 hPa per 10 map units eastward: straight isobars from the top to the bottom.
SampledField Slope() {
  return FieldOf([](PointF p) { return 1000.07 + p.x / 10; });
}

TEST(IsobarLines, CellPiecesJoinIntoWholeLines) {
  const struct {
    const char* name;
    SampledField field;
    bool closed;
    std::size_t count;
  } cases[] = {{"rings round a low", Bowl(), true, 12}, {"a slope", Slope(), false, 10}};
  for (const auto& c : cases) {
    const std::vector<IsobarLine> lines = FieldIsobars(c.field, 400.0f);
    for (const IsobarLine& line : lines) {
      EXPECT_EQ(line.Closed(), c.closed) << c.name << " " << line.level;
      EXPECT_EQ(std::fmod(line.level, 400.0f), 0.0f) << c.name;
    }
    EXPECT_EQ(lines.size(), c.count) << c.name;
  }
  EXPECT_EQ(FieldIsobarsAt(Bowl(), 101200.0f).size(), 1u);
}

TEST(IsobarLines, ARingCutOnceByTheViewStaysOneLine) {
  const std::vector<IsobarLine> rings = FieldIsobars(Bowl(), 400.0f);
  const Box southernHalf{0, 200, 400, 400};
  const std::vector<IsobarLine> visible = VisibleIsobarLines(rings, southernHalf);
  ASSERT_EQ(visible.size(), rings.size());
  for (const IsobarLine& line : visible) {
    EXPECT_FALSE(line.Closed());
    for (const PointF& p : line.points) EXPECT_GE(p.y, 200 - 1e-9);
  }
}

// The twelve rings round the low carry two values, never a column of them:
// the outermost ring's (again along it, as it is long) and the outer 20 hPa
// ring's.
TEST(IsobarLabels, ANestOfRingsCarriesTheOutermostAndOneBoldValueClearOfTheCentre) {
  const std::vector<IsobarLine> rings = FieldIsobars(Bowl(), 400.0f);
  LabelLayout layout{{0, 0, 400, 400}, 6, 3, {BoxAround(kBowlCentre, 12, 12)}, {}, {}, 0};
  const std::vector<IsobarLabel> labels = PlaceIsobarLabels(rings, layout);
  std::set<std::string> values;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const IsobarLabel& label = labels[i];
    values.insert(label.text);
    EXPECT_EQ(label.text, IsobarLabelText(rings[label.line].level));
    EXPECT_FALSE(label.gap.Overlaps(layout.keepClear.front()));
    for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(label.gap.Overlaps(labels[j].gap));
  }
  EXPECT_EQ(values, (std::set<std::string>{"1040", "1048"}));
  // The gaps are cut out: what is drawn of a labelled line stays out of its labels.
  for (const IsobarLine& piece : CutLabelGaps(rings, labels)) {
    for (const IsobarLabel& label : labels) {
      if (label.text != IsobarLabelText(piece.level)) continue;
      for (const PointF& p : piece.points) EXPECT_FALSE(label.gap.Grown(-1e-9).Contains(p));
    }
  }
}

TEST(IsobarLabels, ValuesStandOutsideTheMapWhereLinesLeaveIt) {
  const std::vector<IsobarLine> lines = FieldIsobars(Slope(), 400.0f);
  const LabelLayout layout{{0, 0, 400, 400}, 6, 3, {}, {}, {}, 0};
  const std::vector<IsobarLabel> labels = EdgeLabels(lines, layout, 1.5);
  ASSERT_EQ(labels.size(), 2 * lines.size());  // above and below the map, 40 units apart
  for (const IsobarLabel& label : labels) {
    EXPECT_FALSE(label.gap.Overlaps(layout.area));
    EXPECT_NEAR(label.gap.Centre().x, lines[label.line].points.front().x, 1e-6);
  }
  // A symbol reaching over the edge keeps its place: the value beside it is left out.
  const LabelLayout crowded{{0, 0, 400, 400}, 6, 3, {}, {BoxAround({40, 0}, 20, 20)}, {}, 0};
  EXPECT_EQ(EdgeLabels(lines, crowded, 1.5).size(), labels.size() - 1);
}

TEST(IsobarLabels, ValuesAreWrittenInHectopascals) {
  EXPECT_EQ(IsobarLabelText(100800.0f), "1008");
  EXPECT_EQ(IsobarLabelText(101050.0f), "1010.5");
}

}  // namespace
}  // namespace nimbara
