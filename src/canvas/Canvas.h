#pragma once
// The drawing surface of the map, in map units. Everything the map draws goes
// through this port; QtCanvas paints it, RecordingCanvas writes the drawing log.
//
// Drawing state (colours, fill, line width, font) persists until changed, and
// the current point follows the last line, as the map's drawing code expects.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/Colour.h"
#include "core/MapView.h"
#include "core/Picture.h"
#include "core/Projection.h"
#include "core/ScreenGeometry.h"

namespace nimbara {

enum class FillStyle { Solid, Transparent };

// Room kept round the map on each side for a frame (the chart style's title
// band and legend), in pixels of the 800-pixel reference map.
struct FrameMargins {
  double top = 0;
  double right = 0;
  double bottom = 0;
  double left = 0;
  bool operator==(const FrameMargins&) const = default;
};

// What the map's lines are drawn with unless a layer draws them thicker.
inline constexpr int kThinLineWidth = 1;
// A polygon drawn at this line width is filled without an outline (the
// chart's land and sea, whose shore is drawn over them).
inline constexpr int kNoOutline = 0;

struct DrawState {
  Colour foreColour = kBlack;
  Colour fillColour = kBlack;
  FillStyle fillStyle = FillStyle::Transparent;
  int lineWidth = kThinLineWidth;
  double fontSize = 9.0;  // points
  bool fontBold = false;
};

// An arc runs counter-clockwise (as seen on the screen) from start to end, in
// radians from the direction of growing x. A negative angle also draws the
// radius to that end, so two negative angles make a closed, fillable sector.
struct ArcAngles {
  double start = 0.0;
  double end = 0.0;
};

// The size of a canvas that shows the map as a `width` x `height` one would
// (a square as large as fits, centred) with the frame margins round it: the
// picture grows by the frame and the map keeps its scale.
ScreenSize FramedPixelSize(int width, int height, const FrameMargins& margins);

class Canvas {
 public:
  virtual ~Canvas() = default;

  // --- user scale (MapView) and size ---
  // Also takes away any frame margins.
  void SetScale(const MapView& view);
  const MapView& Scale() const { return m_view; }
  virtual int PixelWidth() const = 0;
  virtual int PixelHeight() const = 0;
  // The map's view fills a square of device pixels: as large as fits with
  // the frame margins beside it, and centred in what is left over, so a
  // canvas of another shape shows the map with margins, never stretched.
  void SetFrameMargins(const FrameMargins& margins);
  const FrameMargins& Margins() const { return m_margins; }
  double MapPixels() const;  // the square's side
  PointF MapOrigin() const;  // its upper-left corner
  // Map units -> device pixels (not rounded).
  PointF ToPixels(PointF p) const;
  // The same mapping worked out once, for the many points of a path.
  struct PixelMapping {
    PointF origin;
    double side;
    MapView view;
    PointF operator()(PointF p) const {
      return {origin.x + (p.x - view.left) * side / view.width, origin.y + (p.y - view.top) * side / view.height};
    }
  };
  PixelMapping ToPixelsMapping() const;
  PointF FromPixels(PointF pixel) const;
  // The vertical map units that span as many pixels as one horizontal map
  // unit: 1 while the view's width and height agree. Circles are measured with the
  // horizontal scale; a symbol drawn round like them multiplies its vertical
  // offsets by this.
  double VerticalUnitsPerHorizontalUnit() const;

  // --- persistent state ---
  void SetForeColour(Colour c) { m_state.foreColour = c; }
  void SetFillColour(Colour c) { m_state.fillColour = c; }
  void SetFillStyle(FillStyle s) { m_state.fillStyle = s; }
  void SetLineWidth(int w) { m_state.lineWidth = w; }
  void SetFontSize(double points) { m_state.fontSize = points; }
  void SetFontBold(bool bold) { m_state.fontBold = bold; }
  const DrawState& State() const { return m_state; }
  PointF CurrentPoint() const { return m_current; }
  void SetBackColour(Colour c);
  Colour BackColour() const { return m_backColour; }

  // --- drawing ---
  // Erases everything drawn; the background picture stays.
  void Clear();
  void Line(PointF from, PointF to, Colour colour);
  // From the current point.
  void LineTo(PointF to, Colour colour);
  // Outline in `colour`; `filled` fills the box with the same colour.
  void Rect(PointF a, PointF b, Colour colour, bool filled);
  // Outline in `colour`, filled per the fill state; radius in horizontal map units.
  void Circle(PointF centre, double radius, Colour colour, std::optional<ArcAngles> arc = {});
  // Closed polygon through map-unit vertices: outline in the fore colour and
  // line width, filled per the fill state. The backend converts the vertices
  // to whole device pixels (rounded) before filling.
  void Polygon(std::span<const PointF> vertices);
  // Text with its upper-left corner at `topLeft`, in the fore colour and font.
  void Text(PointF topLeft, std::string_view text);
  // An open path through map-unit points in `colour` and the line width,
  // joined and ended round (the last point may repeat the first to close it).
  // The current point becomes the last point. Fewer than two points draw nothing.
  void Polyline(std::span<const PointF> points, Colour colour);
  // Text as Text draws it, over an outline of the glyphs `haloWidth` wide (in
  // line-width units) in `haloColour`, so it stays readable over anything.
  void HaloText(PointF topLeft, std::string_view text, Colour haloColour, int haloWidth);
  // The colour shown at a point (drawing over picture over background), or -1
  // outside the surface.
  virtual Colour PointColour(PointF p) const = 0;

  // --- background picture: under all drawing, not moved by the user scale ---
  // Files are read and written by io/ (io/PictureFile.h); the canvas decodes
  // and encodes. False, with the earlier picture kept, for bytes that are not
  // a picture.
  virtual bool LoadPictureBytes(const std::string& bytes) = 0;
  // The picture as the bytes of a BMP file; nothing without a picture.
  virtual std::optional<std::string> PictureBmpBytes() const = 0;
  virtual void SetPicture(const Picture& picture) = 0;
  virtual std::optional<Picture> GetPicture() const = 0;
  virtual void ClearPicture() = 0;
  virtual bool HasPicture() const = 0;

 protected:
  virtual void OnScaleChanged() {}
  virtual void OnBackColourChanged() {}
  virtual void DoClear() = 0;
  virtual void DoLine(PointF from, PointF to, Colour colour) = 0;
  virtual void DoRect(PointF a, PointF b, Colour colour, bool filled) = 0;
  virtual void DoCircle(PointF centre, double radius, Colour colour, std::optional<ArcAngles> arc) = 0;
  virtual void DoPolygon(std::span<const PointF> vertices) = 0;
  virtual void DoText(PointF topLeft, std::string_view text) = 0;
  virtual void DoPolyline(std::span<const PointF> points, Colour colour) = 0;
  virtual void DoHaloText(PointF topLeft, std::string_view text, Colour haloColour, int haloWidth) = 0;

 private:
  MapView m_view;
  FrameMargins m_margins;
  DrawState m_state;
  PointF m_current;
  Colour m_backColour = kWhite;
};

}  // namespace nimbara
