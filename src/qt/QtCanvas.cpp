#include "qt/QtCanvas.h"

#include <QBuffer>
#include <QFont>
#include <QStaticText>
#include <QPainterPath>

#include <cmath>
#include <numbers>
#include <utility>

#include "canvas/DevicePixels.h"
#include "core/Bmp.h"
#include "qt/Fonts.h"

namespace nimbara {
namespace {

// Pictures are aligned to the pixels of a map drawn 800 x 800 pixels (line
// widths and fonts too: canvas/DevicePixels.h), placed where the map is.
constexpr double kSixteenthsPerRadian = 180.0 * 16.0 / std::numbers::pi;
constexpr int kHaloCopies = 8;

QPointF ToQPoint(PointF p) { return {p.x, p.y}; }

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Text with its upper-left corner at `at`, as the map writes every text.
void DrawTextAt(QPainter& painter, QPointF at, const QFont& font, const QString& text, const QColor& colour) {
  painter.setFont(font);
  painter.setPen(colour);
  painter.drawText(QRectF(at, QSizeF(1e6, 1e6)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
}

}  // namespace

QColor ToQColor(Colour colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

QImage ToQImage(const Picture& picture) {
  QImage image(picture.width, picture.height, QImage::Format_ARGB32);
  for (int y = 0; y < picture.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.width; ++x) line[x] = picture.At(x, y);
  }
  return image;
}

Picture ToPicture(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  Picture picture{image.width(), image.height(), {}};
  picture.pixels.reserve(static_cast<std::size_t>(image.width()) * image.height());
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    picture.pixels.insert(picture.pixels.end(), line, line + image.width());
  }
  return picture;
}

QtCanvas::QtCanvas(int pixelWidth, int pixelHeight)
    : m_layer(std::max(1, pixelWidth), std::max(1, pixelHeight), QImage::Format_ARGB32_Premultiplied) {
  m_layer.fill(Qt::transparent);
}

void QtCanvas::PaintDrawing(QPainter& painter) const {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  for (const auto& call : m_calls) call(painter);
}

void QtCanvas::Record(DrawCall paint) {
  paint(LayerPainter());
  m_calls.push_back(std::move(paint));
}

QPainter& QtCanvas::LayerPainter() {
  if (!m_layerPainter) {
    m_layerPainter = std::make_unique<QPainter>(&m_layer);
    m_layerPainter->setRenderHint(QPainter::Antialiasing);
    m_layerPainter->setRenderHint(QPainter::TextAntialiasing);
  }
  return *m_layerPainter;
}

void QtCanvas::EndLayerPainter() const { m_layerPainter.reset(); }

QPointF QtCanvas::PictureScale() const {
  return {PixelsPerReferencePixel(*this), PixelsPerReferencePixel(*this)};
}

void QtCanvas::PaintPicture(QPainter& painter) const {
  if (!HasPicture()) return;
  const QPointF scale = PictureScale();
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const PointF origin = MapOrigin();
  painter.drawImage(QRectF(origin.x, origin.y, m_picture.width() * scale.x(), m_picture.height() * scale.y()),
                    m_picture);
  painter.restore();
}

QPen QtCanvas::PenFor(Colour colour) const {
  QPen pen(ToQColor(colour));
  pen.setWidthF(PenPixels(*this));
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

QBrush QtCanvas::FillBrush() const {
  return State().fillStyle == FillStyle::Solid ? QBrush(ToQColor(State().fillColour)) : QBrush(Qt::NoBrush);
}

void QtCanvas::DoClear() {
  EndLayerPainter();
  m_calls.clear();
  m_layer.fill(Qt::transparent);
}

void QtCanvas::DoLine(PointF from, PointF to, Colour colour) {
  const QLineF line(ToQPoint(ToPixels(from)), ToQPoint(ToPixels(to)));
  Record([line, pen = PenFor(colour)](QPainter& p) {
    p.setPen(pen);
    p.drawLine(line);
  });
}

void QtCanvas::DoRect(PointF a, PointF b, Colour colour, bool filled) {
  const QRectF rect = QRectF(ToQPoint(ToPixels(a)), ToQPoint(ToPixels(b))).normalized();
  Record([rect, filled, pen = PenFor(colour), fill = ToQColor(colour)](QPainter& p) {
    if (filled) {
      p.fillRect(rect, fill);
    } else {
      p.setPen(pen);
      p.setBrush(Qt::NoBrush);
      p.drawRect(rect);
    }
  });
}

void QtCanvas::DoCircle(PointF centre, double radius, Colour colour, std::optional<ArcAngles> arc) {
  const QPointF c = ToQPoint(ToPixels(centre));
  const double r = RadiusPixels(*this, radius);
  const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
  QPainterPath path;
  bool closed = true;
  if (!arc) {
    path.addEllipse(box);
  } else {
    const PixelArc laid = LayOutArc(*arc);
    const double startDegrees = laid.start * kSixteenthsPerRadian / 16.0;
    const double sweepDegrees = laid.sweep * kSixteenthsPerRadian / 16.0;
    if (laid.fromCentre) {
      path.moveTo(c);
      path.arcTo(box, startDegrees, sweepDegrees);
    } else {
      path.arcMoveTo(box, startDegrees);
      path.arcTo(box, startDegrees, sweepDegrees);
    }
    if (laid.toCentre) path.lineTo(c);
    closed = laid.Closed();
    if (closed) path.closeSubpath();
  }
  const QBrush brush = closed ? FillBrush() : QBrush(Qt::NoBrush);
  Record([path, brush, pen = PenFor(colour)](QPainter& p) {
    p.setPen(pen);
    p.setBrush(brush);
    p.drawPath(path);
  });
}

void QtCanvas::DoPolygon(std::span<const PointF> vertices) {
  QPolygon polygon;
  for (const PointF& v : vertices) {
    const DevicePixel px = NearestPixel(*this, v);
    polygon << QPoint(px.x, px.y);
  }
  const QPen pen = OutlinePixels(*this) > 0 ? PenFor(State().foreColour) : QPen(Qt::NoPen);
  Record([polygon, brush = FillBrush(), pen](QPainter& p) {
    p.setPen(pen);
    p.setBrush(brush);
    p.drawPolygon(polygon);
  });
}

QFont QtCanvas::MapFont() const {
  QFont font(kFontFamily);
  font.setPixelSize(FontPixels(*this));
  font.setBold(State().fontBold);
  return font;
}

void QtCanvas::DoText(PointF topLeft, std::string_view text) {
  const QPointF at = ToQPoint(ToPixels(topLeft));
  Record([at, font = MapFont(), string = ToQString(text), colour = ToQColor(State().foreColour)](QPainter& p) {
    DrawTextAt(p, at, font, string, colour);
  });
}

void QtCanvas::DoPolyline(std::span<const PointF> points, Colour colour) {
  const PixelMapping toPixels = ToPixelsMapping();
  QPainterPath path(ToQPoint(toPixels(points.front())));
  for (const PointF& point : points.subspan(1)) path.lineTo(ToQPoint(toPixels(point)));
  Record([path, pen = PenFor(colour)](QPainter& p) {
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
  });
}

void QtCanvas::DoHaloText(PointF topLeft, std::string_view text, Colour haloColour, int haloWidth) {
  const QPointF at = ToQPoint(ToPixels(topLeft));
  QStaticText prepared(ToQString(text));
  prepared.setTextFormat(Qt::PlainText);
  // The halo: the text itself in the halo colour, moved round a circle of
  // half the halo's width (cheaper than stroking the outlines of the glyphs).
  const double radius = haloWidth * PixelsPerReferencePixel(*this) / 2;
  Record([at, font = MapFont(), prepared, radius, halo = ToQColor(haloColour),
          colour = ToQColor(State().foreColour)](QPainter& p) {
    p.setFont(font);
    p.setPen(halo);
    for (int i = 0; i < kHaloCopies; ++i) {
      const double angle = 2 * std::numbers::pi * i / kHaloCopies;
      p.drawStaticText(at + QPointF(radius * std::cos(angle), radius * std::sin(angle)), prepared);
    }
    p.setPen(colour);
    p.drawStaticText(at, prepared);
  });
}

Colour QtCanvas::PointColour(PointF p) const {
  const auto pixel = PixelUnder(*this, p);
  if (!pixel) return -1;
  const PointF px = ToPixels(p);
  QColor under = ToQColor(BackColour());
  const QPointF scale = PictureScale();
  const PointF origin = MapOrigin();
  const int pictureX = static_cast<int>(std::floor((px.x - origin.x) / scale.x()));
  const int pictureY = static_cast<int>(std::floor((px.y - origin.y) / scale.y()));
  if (pictureX >= 0 && pictureY >= 0 && pictureX < m_picture.width() && pictureY < m_picture.height())
    under = m_picture.pixelColor(pictureX, pictureY);
  EndLayerPainter();
  const QColor over = m_layer.pixelColor(pixel->x, pixel->y);
  return Blend(Rgb(over.red(), over.green(), over.blue()), over.alphaF(),
               Rgb(under.red(), under.green(), under.blue()));
}

bool QtCanvas::LoadPictureBytes(const std::string& bytes) {
  const auto* data = reinterpret_cast<const uchar*>(bytes.data());
  const int size = static_cast<int>(bytes.size());
  // Satellite pictures are mostly BMP files, which Qt reads itself. Named as
  // such, Qt reads them without loading every image plugin to ask whether it
  // knows the bytes; other bytes are still recognised by any plugin.
  const bool bmp = bytes.starts_with(kBmpSignature);
  QImage image;
  if (!(bmp && image.loadFromData(data, size, "BMP")) && !image.loadFromData(data, size)) return false;
  m_picture = std::move(image).convertToFormat(QImage::Format_ARGB32);  // in place where Qt can
  return true;
}

std::optional<std::string> QtCanvas::PictureBmpBytes() const {
  if (!HasPicture()) return std::nullopt;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!m_picture.save(&buffer, "BMP")) return std::nullopt;
  return bytes.toStdString();
}

void QtCanvas::SetPicture(const Picture& picture) {
  m_picture = picture.Empty() ? QImage() : ToQImage(picture);
}

std::optional<Picture> QtCanvas::GetPicture() const {
  if (!HasPicture()) return std::nullopt;
  return ToPicture(m_picture);
}

QImage QtCanvas::Composite() const {
  EndLayerPainter();
  QImage image(m_layer.size(), QImage::Format_RGB32);
  image.fill(ToQColor(BackColour()));
  QPainter painter(&image);
  PaintPicture(painter);
  painter.drawImage(0, 0, m_layer);
  return image;
}

}  // namespace nimbara
