#include "render/TeeCanvas.h"

namespace nimbara {

TeeCanvas::TeeCanvas(Canvas& primary, Canvas& secondary) : m_primary(primary), m_secondary(secondary) {
  SetScale(primary.Scale());
}

template <typename Call>
void TeeCanvas::Both(Call call) {
  for (Canvas* target : {&m_primary, &m_secondary}) {
    const DrawState& s = State();
    target->SetForeColour(s.foreColour);
    target->SetFillColour(s.fillColour);
    target->SetFillStyle(s.fillStyle);
    target->SetLineWidth(s.lineWidth);
    target->SetFontSize(s.fontSize);
    target->SetFontBold(s.fontBold);
    call(*target);
  }
}

bool TeeCanvas::LoadPictureBytes(const std::string& bytes) {
  const bool loaded = m_primary.LoadPictureBytes(bytes);
  if (loaded) {
    if (auto picture = m_primary.GetPicture()) m_secondary.SetPicture(*picture);
  }
  return loaded;
}

void TeeCanvas::SetPicture(const Picture& picture) {
  m_primary.SetPicture(picture);
  m_secondary.SetPicture(picture);
}

void TeeCanvas::ClearPicture() {
  m_primary.ClearPicture();
  m_secondary.ClearPicture();
}

void TeeCanvas::OnScaleChanged() {
  for (Canvas* target : {&m_primary, &m_secondary}) {
    target->SetScale(Scale());
    target->SetFrameMargins(Margins());
  }
}

void TeeCanvas::OnBackColourChanged() {
  m_primary.SetBackColour(BackColour());
  m_secondary.SetBackColour(BackColour());
}

void TeeCanvas::DoClear() {
  Both([](Canvas& c) { c.Clear(); });
}
void TeeCanvas::DoLine(PointF from, PointF to, Colour colour) {
  Both([&](Canvas& c) { c.Line(from, to, colour); });
}
void TeeCanvas::DoRect(PointF a, PointF b, Colour colour, bool filled) {
  Both([&](Canvas& c) { c.Rect(a, b, colour, filled); });
}
void TeeCanvas::DoCircle(PointF centre, double radius, Colour colour, std::optional<ArcAngles> arc) {
  Both([&](Canvas& c) { c.Circle(centre, radius, colour, arc); });
}
void TeeCanvas::DoPolygon(std::span<const PointF> vertices) {
  Both([&](Canvas& c) { c.Polygon(vertices); });
}
void TeeCanvas::DoText(PointF topLeft, std::string_view text) {
  Both([&](Canvas& c) { c.Text(topLeft, text); });
}
void TeeCanvas::DoPolyline(std::span<const PointF> points, Colour colour) {
  Both([&](Canvas& c) { c.Polyline(points, colour); });
}
void TeeCanvas::DoHaloText(PointF topLeft, std::string_view text, Colour haloColour, int haloWidth) {
  Both([&](Canvas& c) { c.HaloText(topLeft, text, haloColour, haloWidth); });
}

}  // namespace nimbara
