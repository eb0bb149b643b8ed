#pragma once
// The Canvas painted on the page's HTML canvases: a background colour, the
// background picture at its own pixel size in the top-left corner, and a
// transparent drawing layer on top, as the desktop's QtCanvas composes them.
// Positions, line widths, circle radii and font sizes are computed here the
// way QtCanvas computes them; html_layers.js only paints.

#include <map>
#include <string>

#include "canvas/Canvas.h"

namespace nimbara {

class HtmlCanvas : public Canvas {
 public:
  explicit HtmlCanvas(int pixelWidth = 800, int pixelHeight = 800);

  int PixelWidth() const override { return m_pixelWidth; }
  int PixelHeight() const override { return m_pixelHeight; }
  Colour PointColour(PointF p) const override;

  // The browser decodes the picture files the person chooses (GIF, JPEG, PNG,
  // BMP) before the command that opens them runs; LoadPictureBytes takes the
  // one decoded from the same bytes (the file now at `path`) and fails for any
  // other bytes.
  void AddDecodedPicture(const std::string& path, Picture picture);
  void ForgetDecodedPictures() { m_decoded.clear(); }
  bool LoadPictureBytes(const std::string& bytes) override;
  std::optional<std::string> PictureBmpBytes() const override;
  void SetPicture(const Picture& picture) override;
  std::optional<Picture> GetPicture() const override;
  void ClearPicture() override { SetPicture({}); }
  bool HasPicture() const override { return !m_picture.Empty(); }

 protected:
  void OnBackColourChanged() override;
  void DoClear() override;
  void DoLine(PointF from, PointF to, Colour colour) override;
  void DoRect(PointF a, PointF b, Colour colour, bool filled) override;
  void DoCircle(PointF centre, double radius, Colour colour, std::optional<ArcAngles> arc) override;
  void DoPolygon(std::span<const PointF> vertices) override;
  void DoText(PointF topLeft, std::string_view text) override;
  void DoPolyline(std::span<const PointF> points, Colour colour) override;
  void DoHaloText(PointF topLeft, std::string_view text, Colour haloColour, int haloWidth) override;

 private:
  double PenWidth() const;
  int FillColour() const;

  int m_pixelWidth;
  int m_pixelHeight;
  Picture m_picture;
  std::map<std::string, Picture> m_decoded;
};

}  // namespace nimbara
