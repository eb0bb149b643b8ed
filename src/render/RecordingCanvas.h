#pragma once
// A Canvas that writes the drawing log: one line of text per drawing call,
// coordinates in map units. Tests compare drawings through it, and the
// command line writes it with --ops. The format is documented in the README.
//
// Point colours come from the background picture and background colour only:
// drawn lines are logged, not rasterised.

#include <string>
#include <vector>

#include "canvas/Canvas.h"

namespace nimbara {

class RecordingCanvas : public Canvas {
 public:
  explicit RecordingCanvas(int pixelWidth = 800, int pixelHeight = 800);

  const std::vector<std::string>& Lines() const { return m_lines; }
  std::string Log() const;  // every line followed by "\n"
  void ClearLog() { m_lines.clear(); }

  int PixelWidth() const override { return m_pixelWidth; }
  int PixelHeight() const override { return m_pixelHeight; }
  Colour PointColour(PointF p) const override;

  bool LoadPictureBytes(const std::string& bytes) override;
  std::optional<std::string> PictureBmpBytes() const override;
  void SetPicture(const Picture& picture) override { m_picture = picture; }
  std::optional<Picture> GetPicture() const override;
  void ClearPicture() override { m_picture = {}; }
  bool HasPicture() const override { return !m_picture.Empty(); }

 protected:
  void DoClear() override;
  void DoLine(PointF from, PointF to, Colour colour) override;
  void DoRect(PointF a, PointF b, Colour colour, bool filled) override;
  void DoCircle(PointF centre, double radius, Colour colour, std::optional<ArcAngles> arc) override;
  void DoPolygon(std::span<const PointF> vertices) override;
  void DoText(PointF topLeft, std::string_view text) override;
  void DoPolyline(std::span<const PointF> points, Colour colour) override;
  void DoHaloText(PointF topLeft, std::string_view text, Colour haloColour, int haloWidth) override;

 private:
  // "NAME X Y SIZE BOLD COLOUR" of a text call.
  std::string TextFields(std::string_view name, PointF topLeft) const;

  int m_pixelWidth;
  int m_pixelHeight;
  Picture m_picture;
  std::vector<std::string> m_lines;
};

// Number and colour forms of the drawing log: at most 4 decimals without
// trailing zeros ("12", "12.5", "-3.25"); colours as #RRGGBB.
std::string LogNumber(double value);
std::string LogColour(Colour colour);

}  // namespace nimbara
