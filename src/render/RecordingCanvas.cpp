#include "render/RecordingCanvas.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/Bmp.h"
#include "canvas/DevicePixels.h"

namespace nimbara {
namespace {
constexpr std::size_t kLogDecimals = 4;
constexpr double kLogScale = 10000.0;
constexpr unsigned long long kLogScaleInt = 10000;
constexpr double kLargestExactScaled = 9e15;  // below 2^53: every integer is exact
}  // namespace

std::string LogNumber(double value) {
  if (!std::isfinite(value)) return "0";
  // Most coordinates are whole or short; integer formatting of the value in
  // ten-thousandths is exact to the log's 4 decimals and far quicker than printf.
  const double scaled = std::nearbyint(value * kLogScale);
  if (std::fabs(scaled) >= kLargestExactScaled) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.4f", value);
    std::string out(buffer);
    out.erase(out.find_last_not_of('0') + 1);
    if (out.back() == '.') out.pop_back();
    return out;
  }
  const auto tenThousandths = static_cast<long long>(scaled);
  const unsigned long long magnitude = static_cast<unsigned long long>(std::llabs(tenThousandths));
  std::string out = tenThousandths < 0 ? "-" : "";
  out += std::to_string(magnitude / kLogScaleInt);
  unsigned long long fraction = magnitude % kLogScaleInt;
  if (fraction != 0) {
    std::string digits = std::to_string(fraction);
    digits.insert(0, kLogDecimals - digits.size(), '0');
    digits.erase(digits.find_last_not_of('0') + 1);
    out += "." + digits;
  }
  return out;
}

std::string LogColour(Colour colour) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", RedOf(colour), GreenOf(colour), BlueOf(colour));
  return buffer;
}

namespace {

std::string FillField(const DrawState& state) {
  return state.fillStyle == FillStyle::Solid ? LogColour(state.fillColour) : "-";
}

std::string Join(std::initializer_list<std::string> fields) {
  std::string line;
  for (const auto& f : fields) {
    if (!line.empty()) line += ' ';
    line += f;
  }
  return line;
}

// " X1 Y1 X2 Y2 ...", each number after a space.
std::string PointFields(std::span<const PointF> points) {
  std::string fields;
  for (const PointF& p : points) {
    fields += ' ';
    fields += LogNumber(p.x);
    fields += ' ';
    fields += LogNumber(p.y);
  }
  return fields;
}

}  // namespace

RecordingCanvas::RecordingCanvas(int pixelWidth, int pixelHeight)
    : m_pixelWidth(pixelWidth), m_pixelHeight(pixelHeight) {}

std::string RecordingCanvas::Log() const {
  std::string out;
  for (const auto& line : m_lines) out += line + "\n";
  return out;
}

Colour RecordingCanvas::PointColour(PointF p) const {
  const auto pixel = PixelUnder(*this, p);
  if (!pixel) return -1;
  if (pixel->x < m_picture.width && pixel->y < m_picture.height) return m_picture.ColourAt(pixel->x, pixel->y);
  return BackColour();
}

bool RecordingCanvas::LoadPictureBytes(const std::string& bytes) {
  auto picture = DecodeBmp(bytes);
  if (!picture) return false;
  m_picture = std::move(*picture);
  return true;
}

std::optional<std::string> RecordingCanvas::PictureBmpBytes() const {
  if (!HasPicture()) return std::nullopt;
  return EncodeBmp(m_picture);
}

std::optional<Picture> RecordingCanvas::GetPicture() const {
  if (!HasPicture()) return std::nullopt;
  return m_picture;
}

void RecordingCanvas::DoClear() { m_lines.emplace_back("clear"); }

void RecordingCanvas::DoLine(PointF from, PointF to, Colour colour) {
  m_lines.push_back(Join({"line", LogNumber(from.x), LogNumber(from.y), LogNumber(to.x), LogNumber(to.y),
                          std::to_string(State().lineWidth), LogColour(colour)}));
}

void RecordingCanvas::DoRect(PointF a, PointF b, Colour colour, bool filled) {
  m_lines.push_back(Join({"rect", LogNumber(a.x), LogNumber(a.y), LogNumber(b.x), LogNumber(b.y),
                          LogColour(colour), filled ? LogColour(colour) : "-"}));
}

void RecordingCanvas::DoCircle(PointF centre, double radius, Colour colour, std::optional<ArcAngles> arc) {
  m_lines.push_back(Join({"circle", LogNumber(centre.x), LogNumber(centre.y), LogNumber(radius),
                          arc ? LogNumber(arc->start) : "-", arc ? LogNumber(arc->end) : "-",
                          std::to_string(State().lineWidth), LogColour(colour), FillField(State())}));
}

void RecordingCanvas::DoPolygon(std::span<const PointF> vertices) {
  m_lines.push_back(Join({"polygon", std::to_string(State().lineWidth), LogColour(State().foreColour),
                          FillField(State())}) +
                    PointFields(vertices));
}

void RecordingCanvas::DoText(PointF topLeft, std::string_view text) {
  m_lines.push_back(TextFields("text", topLeft) + " " + std::string(text));
}

void RecordingCanvas::DoPolyline(std::span<const PointF> points, Colour colour) {
  m_lines.push_back(Join({"polyline", std::to_string(State().lineWidth), LogColour(colour)}) + PointFields(points));
}

void RecordingCanvas::DoHaloText(PointF topLeft, std::string_view text, Colour haloColour, int haloWidth) {
  m_lines.push_back(Join({TextFields("halotext", topLeft), LogColour(haloColour), std::to_string(haloWidth)}) +
                    " " + std::string(text));
}

std::string RecordingCanvas::TextFields(std::string_view name, PointF topLeft) const {
  return Join({std::string(name), LogNumber(topLeft.x), LogNumber(topLeft.y), LogNumber(State().fontSize),
               State().fontBold ? "1" : "0", LogColour(State().foreColour)});
}

}  // namespace nimbara
