#pragma once
// The Canvas painted with Qt: a background colour, the background picture in
// the top-left corner, and a transparent drawing layer on top. Drawing calls
// are kept as a list so they can be painted again onto another device: a
// scaled window, an SVG or PDF file, a printer.
//
// Line widths, font sizes and the picture are given for the map drawn 800 x
// 800 pixels: a satellite picture is aligned to that map pixel for pixel, so
// on a canvas of another size it is scaled with the map.

#include <QFont>
#include <QImage>
#include <QPainter>

#include <functional>
#include <memory>
#include <vector>

#include "canvas/Canvas.h"

namespace nimbara {

class QtCanvas : public Canvas {
 public:
  explicit QtCanvas(int pixelWidth = 800, int pixelHeight = 800);

  int PixelWidth() const override { return m_layer.width(); }
  int PixelHeight() const override { return m_layer.height(); }

  Colour PointColour(PointF p) const override;
  bool LoadPictureBytes(const std::string& bytes) override;
  std::optional<std::string> PictureBmpBytes() const override;
  void SetPicture(const Picture& picture) override;
  std::optional<Picture> GetPicture() const override;
  void ClearPicture() override { m_picture = QImage(); }
  bool HasPicture() const override { return !m_picture.isNull(); }

  // Background, picture and drawing, as shown.
  QImage Composite() const;
  // The drawing list painted onto a device of the canvas's pixel size.
  void PaintDrawing(QPainter& painter) const;
  // The background picture painted onto a device of the canvas's pixel size.
  void PaintPicture(QPainter& painter) const;

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
  // A drawing call in canvas pixels.
  using DrawCall = std::function<void(QPainter&)>;
  // Paints `call` on the layer now and keeps it for repainting.
  void Record(DrawCall paint);
  // One painter stays open on the layer while calls follow one another; it
  // is closed before the layer is read or erased.
  QPainter& LayerPainter();
  void EndLayerPainter() const;
  QPen PenFor(Colour colour) const;
  QBrush FillBrush() const;
  QFont MapFont() const;
  // Canvas pixels per picture pixel, across and down.
  QPointF PictureScale() const;

  QImage m_layer;
  QImage m_picture;
  std::vector<DrawCall> m_calls;
  mutable std::unique_ptr<QPainter> m_layerPainter;  // after m_layer: ends before it goes
};

QColor ToQColor(Colour colour);
QImage ToQImage(const Picture& picture);
Picture ToPicture(const QImage& image);

}  // namespace nimbara
