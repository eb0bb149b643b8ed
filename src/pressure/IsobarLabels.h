#pragma once
// Where the chart writes the value of each isobar: on the line, in a gap cut
// out of it, at least once per line and near both ends of a line that runs
// off the map, never over another label or over what must stay clear.

#include <span>
#include <string>
#include <vector>

#include "core/PathGeometry.h"
#include "pressure/IsobarLines.h"

namespace nimbara {

struct LabelLayout {
  Box area;                    // labels lie wholly inside: the visible map
  double textHeight = 0;       // map units of one line of the label font
  double columnWidth = 0;      // map units of one half-width character
  std::vector<Box> keepClear;  // never covered: centre marks, title band, legend
  std::vector<Box> avoid;        // never covered either: station symbols
  std::vector<Path> otherLines;  // never crossed: fronts
  double otherLineMargin = 0;    // map units their symbols reach beside them
};

struct IsobarLabel {
  std::size_t line = 0;  // index into the lines
  std::string text;
  PointF textTopLeft;
  Box gap;  // the text's box with a margin: the part of the line left out
};

// The labels of every line that has room for one where it covers nothing,
// placed shortest line first (they have the fewest places); a line without
// such a place goes without (a label over data would hide or mislead). Then
// the further labels of long lines: a line that runs off the map is
// labelled near both of its ends, and a long line again wherever its labels
// lie far apart; none close to the same value written in the frame
// (`frameValues`, from EdgeLabels). Rings nested round a centre carry at most two values: the
// outermost ring's, and one inner ring's (a 20 hPa one where there is one).
std::vector<IsobarLabel> PlaceIsobarLabels(std::span<const IsobarLine> lines, const LabelLayout& layout,
                                           std::span<const IsobarLabel> frameValues = {});

// The values of the lines where they leave the layout's area, written outside
// it beside each end, `gap` from the edge (the chart's frame holds them); a
// value that would crowd one already written, repeat it close by or cover
// what the layout keeps clear (symbols reach over the edge) is left out. Each label's gap is its
// text box.
std::vector<IsobarLabel> EdgeLabels(std::span<const IsobarLine> lines, const LabelLayout& layout, double gap);

// The lines without the parts inside their own labels' gaps (and without
// the scraps a gap may leave beside it).
std::vector<IsobarLine> CutLabelGaps(std::span<const IsobarLine> lines, std::span<const IsobarLabel> labels);

}  // namespace nimbara
