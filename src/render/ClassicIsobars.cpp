#include "render/ClassicIsobars.h"

#include <array>
#include <span>
#include <utility>

#include "pressure/CentreMarkPlaces.h"
#include "pressure/IsobarCorrection.h"
#include "pressure/IsobarTracer.h"

namespace nimbara {
namespace {

constexpr int kThickWidth = 3;

constexpr double kMarkFontSize = 16.0;
constexpr double kShadowOffset = 4.5;
constexpr double kLightOffset = 5.5;
constexpr double kMarkOffset = 5.0;

// Whether the pieces set the line width by their level (thick every 20 hPa)
// or keep the width last set on the Canvas.
enum class LevelWidth { ByLevel, Keep };

void DrawSegments(Canvas& canvas, std::span<const ContourSegment> segments, Colour isobarColour,
                  LevelWidth width) {
  for (const ContourSegment& segment : segments) {
    if (width == LevelWidth::ByLevel)
      canvas.SetLineWidth(IsThickLevel(segment.level) ? kThickWidth : kThinLineWidth);
    canvas.Line(RoundedToUnits(segment.from), RoundedToUnits(segment.to), isobarColour);
  }
}

}  // namespace

void TraceIsobars(Canvas& canvas, const PressureGrid& grid, float interval, float startOffset,
                  Colour isobarColour, const CentreMarkSource& marks) {
  DrawSegments(canvas, TraceIsobarSegments(grid, interval, startOffset), isobarColour, LevelWidth::ByLevel);
  DrawCentreMarks(canvas, marks);
}

void DrawCentreMarks(Canvas& canvas, const CentreMarkSource& marks) {
  canvas.SetLineWidth(kThinLineWidth);
  canvas.SetFontBold(true);
  canvas.SetFontSize(kMarkFontSize);
  for (const CentreMarkPlace& place : CentreMarkPlaces(marks.store, marks.plot)) {
    const std::array<std::pair<Colour, double>, 3> copies = {
        {{kBlack, kShadowOffset}, {kWhite, kLightOffset}, {marks.textColour, kMarkOffset}}};
    for (const auto& [colour, offset] : copies) {
      canvas.SetForeColour(colour);
      canvas.Text({place.centre.x - offset, place.centre.y - offset}, place.mark);
    }
  }
}

void RedrawAroundNode(Canvas& canvas, const PressureGrid& grid, GridNode node, float interval,
                      float startOffset, Colour isobarColour) {
  for (const GridNode& cell : ContouredCellsAround(node)) {
    const double left = kNodeSpacing * cell.column;
    const double top = kNodeSpacing * cell.row;
    canvas.Rect({left, top}, {left + kNodeSpacing, top + kNodeSpacing}, kWhite, true);
    DrawSegments(canvas, ContourCellSegments(grid, cell.column, cell.row, interval, startOffset), isobarColour,
                 LevelWidth::Keep);
  }
}

}  // namespace nimbara
