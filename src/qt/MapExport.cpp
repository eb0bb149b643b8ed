#include "qt/MapExport.h"

#include <QBuffer>
#include <QPageSize>
#include <QPageLayout>
#include <QPdfWriter>

#include <algorithm>
#include <cerrno>

#include "io/FileIo.h"
#include "qt/Fonts.h"
#include "qt/PngBytes.h"
#include "render/BlankMap.h"

#if NIMBARA_HAVE_SVG
#include <QSvgGenerator>
#endif

namespace nimbara {
namespace {

constexpr int kPdfResolution = 300;  // dots per inch of the PDF's user space
constexpr double kTitleHeightRatio = 0.06;  // title band, as a share of the page height
constexpr int kTitlePointSize = 14;
constexpr double kPdfMarginMm = 15.0;
constexpr double kFrameWidthRatio = 0.002;  // the map's frame, as a share of the page width
constexpr int kBlankFormSide = 1600;  // pixels: the form is printed and exported sharp
#if NIMBARA_HAVE_SVG
QByteArray SvgBytes(const QtCanvas& canvas, const std::string& title) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(canvas.PixelWidth(), canvas.PixelHeight()));
  generator.setViewBox(QRect(0, 0, canvas.PixelWidth(), canvas.PixelHeight()));
  generator.setTitle(QString::fromStdString(title));
  QPainter painter(&generator);
  PaintMap(canvas, painter);
  painter.end();
  return bytes;
}
#endif

QByteArray PdfBytes(const QtCanvas& canvas, const std::string& title) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setResolution(kPdfResolution);
  writer.setPageMargins(QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm), QPageLayout::Millimeter);
  writer.setTitle(QString::fromStdString(title));
  writer.setCreator("Nimbara");
  PaintMapPage(canvas, writer, title);
  return bytes;
}

}  // namespace

void PaintMapPage(const QtCanvas& canvas, QPagedPaintDevice& device, const std::string& title) {
  QPainter painter(&device);
  const QRect page = painter.viewport();
  const int titleHeight = title.empty() ? 0 : static_cast<int>(page.height() * kTitleHeightRatio);
  if (!title.empty()) {
    QFont font(kFontFamily);
    font.setPointSize(kTitlePointSize);
    painter.setFont(font);
    painter.drawText(QRect(page.left(), page.top(), page.width(), titleHeight), Qt::AlignCenter,
                     QString::fromStdString(title));
  }
  const QRect area(page.left(), page.top() + titleHeight, page.width(), page.height() - titleHeight);
  const double scale = std::min(static_cast<double>(area.width()) / canvas.PixelWidth(),
                                static_cast<double>(area.height()) / canvas.PixelHeight());
  const QRectF mapArea(area.left() + (area.width() - canvas.PixelWidth() * scale) / 2, area.top(),
                       canvas.PixelWidth() * scale, canvas.PixelHeight() * scale);
  painter.save();
  painter.translate(mapArea.topLeft());
  painter.scale(scale, scale);
  PaintMap(canvas, painter);
  painter.restore();
  painter.setPen(QPen(Qt::black, std::max(1.0, page.width() * kFrameWidthRatio)));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(mapArea);
}

std::unique_ptr<QtCanvas> MakeBlankForm(const StationTable& stations, int stationCount) {
  auto form = std::make_unique<QtCanvas>(kBlankFormSide, kBlankFormSide);
  form->SetScale({});
  DrawBlankMap(*form, stations, stationCount);
  return form;
}

void PaintMap(const QtCanvas& canvas, QPainter& painter) {
  const QRect area(0, 0, canvas.PixelWidth(), canvas.PixelHeight());
  painter.save();
  painter.setClipRect(area);
  painter.fillRect(area, ToQColor(canvas.BackColour()));
  canvas.PaintPicture(painter);
  canvas.PaintDrawing(painter);
  painter.restore();
}

std::optional<std::string> ExportBytes(const QtCanvas& canvas, ExportFormat format, const std::string& title) {
  QByteArray bytes;
  switch (format) {
    case ExportFormat::Png:
      bytes = FastPngBytes(canvas.Composite());
      break;
    case ExportFormat::Svg:
#if NIMBARA_HAVE_SVG
      bytes = SvgBytes(canvas, title);
#endif
      break;
    case ExportFormat::Pdf:
      bytes = PdfBytes(canvas, title);
      break;
  }
  if (bytes.isEmpty()) return std::nullopt;
  return bytes.toStdString();
}

FileStatus ExportMap(const QtCanvas& canvas, const std::string& path, const std::string& title) {
  const auto format = ExportFormatFor(path);
  if (!format) return {FileFault::WrongKind, 0, path};
  const auto bytes = ExportBytes(canvas, *format, title);
  if (!bytes) return {FileFault::System, EIO, path};
  return WriteFileAtomically(path, *bytes);
}

}  // namespace nimbara
