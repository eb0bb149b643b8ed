#include "web/HtmlCanvas.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "core/Bmp.h"
#include "canvas/DevicePixels.h"
#include "io/FileIo.h"
#include "web/PageImports.h"

namespace nimbara {
namespace {

constexpr double kFullTurn = 2 * std::numbers::pi;
constexpr int kNoFill = -1;

}  // namespace

HtmlCanvas::HtmlCanvas(int pixelWidth, int pixelHeight) : m_pixelWidth(pixelWidth), m_pixelHeight(pixelHeight) {
  nimbara_layers_size(pixelWidth, pixelHeight);
  nimbara_layers_back_colour(BackColour());
}

double HtmlCanvas::PenWidth() const { return PenPixels(*this); }

int HtmlCanvas::FillColour() const {
  return State().fillStyle == FillStyle::Solid ? State().fillColour : kNoFill;
}

void HtmlCanvas::OnBackColourChanged() { nimbara_layers_back_colour(BackColour()); }

void HtmlCanvas::DoClear() { nimbara_layers_clear(); }

void HtmlCanvas::DoLine(PointF from, PointF to, Colour colour) {
  const PointF a = ToPixels(from);
  const PointF b = ToPixels(to);
  nimbara_layers_line(a.x, a.y, b.x, b.y, PenWidth(), colour);
}

void HtmlCanvas::DoRect(PointF a, PointF b, Colour colour, bool filled) {
  const PointF p = ToPixels(a);
  const PointF q = ToPixels(b);
  nimbara_layers_rect(std::min(p.x, q.x), std::min(p.y, q.y), std::fabs(q.x - p.x), std::fabs(q.y - p.y),
                      PenWidth(), colour, filled ? colour : kNoFill);
}

void HtmlCanvas::DoCircle(PointF centre, double radius, Colour colour, std::optional<ArcAngles> arc) {
  const PointF c = ToPixels(centre);
  const double r = RadiusPixels(*this, radius);
  if (!arc) {
    nimbara_layers_arc(c.x, c.y, r, 0, kFullTurn, false, false, true, PenWidth(), colour, FillColour());
    return;
  }
  const PixelArc laid = LayOutArc(*arc);
  nimbara_layers_arc(c.x, c.y, r, laid.start, laid.sweep, laid.fromCentre, laid.toCentre, laid.Closed(), PenWidth(),
                     colour, laid.Closed() ? FillColour() : kNoFill);
}

void HtmlCanvas::DoPolygon(std::span<const PointF> vertices) {
  std::vector<std::int32_t> points;
  points.reserve(vertices.size() * 2);
  for (const PointF& v : vertices) {
    const DevicePixel px = NearestPixel(*this, v);
    points.push_back(px.x);
    points.push_back(px.y);
  }
  nimbara_layers_polygon(points.data(), static_cast<int>(vertices.size()), OutlinePixels(*this), State().foreColour,
                         FillColour());
}

void HtmlCanvas::DoText(PointF topLeft, std::string_view text) {
  const PointF at = ToPixels(topLeft);
  nimbara_layers_text(at.x, at.y, FontPixels(*this), State().fontBold, State().foreColour, std::string(text).c_str());
}

void HtmlCanvas::DoPolyline(std::span<const PointF> points, Colour colour) {
  std::vector<double> pixels;
  pixels.reserve(points.size() * 2);
  for (const PointF& p : points) {
    const PointF px = ToPixels(p);
    pixels.push_back(px.x);
    pixels.push_back(px.y);
  }
  nimbara_layers_polyline(pixels.data(), static_cast<int>(points.size()), PenWidth(), colour);
}

void HtmlCanvas::DoHaloText(PointF topLeft, std::string_view text, Colour haloColour, int haloWidth) {
  const PointF at = ToPixels(topLeft);
  nimbara_layers_halo_text(at.x, at.y, FontPixels(*this), State().fontBold, State().foreColour, haloColour,
                           haloWidth * PixelsPerReferencePixel(*this), std::string(text).c_str());
}

Colour HtmlCanvas::PointColour(PointF p) const {
  const auto pixel = PixelUnder(*this, p);
  if (!pixel) return -1;
  const bool onPicture = pixel->x < m_picture.width && pixel->y < m_picture.height;
  const Colour under = onPicture ? m_picture.ColourAt(pixel->x, pixel->y) : BackColour();
  // The layer's pixel: red in the low byte, as a Colour, and alpha in the high one.
  const std::uint32_t over = nimbara_layers_pixel(pixel->x, pixel->y);
  constexpr int kAlphaShift = 24;
  constexpr double kOpaque = 255.0;
  return Blend(static_cast<Colour>(over & 0xFFFFFF), (over >> kAlphaShift) / kOpaque, under);
}

void HtmlCanvas::AddDecodedPicture(const std::string& path, Picture picture) {
  if (std::optional<std::string> bytes = ReadWholeFile(path)) m_decoded[std::move(*bytes)] = std::move(picture);
}

bool HtmlCanvas::LoadPictureBytes(const std::string& bytes) {
  const auto decoded = m_decoded.find(bytes);
  if (decoded == m_decoded.end()) return false;
  SetPicture(decoded->second);
  return true;
}

std::optional<std::string> HtmlCanvas::PictureBmpBytes() const {
  if (!HasPicture()) return std::nullopt;
  return EncodeBmp(m_picture);
}

void HtmlCanvas::SetPicture(const Picture& picture) {
  m_picture = picture;
  nimbara_layers_picture(m_picture.width, m_picture.height, m_picture.Empty() ? nullptr : m_picture.pixels.data());
}

std::optional<Picture> HtmlCanvas::GetPicture() const {
  if (!HasPicture()) return std::nullopt;
  return m_picture;
}

}  // namespace nimbara
