#pragma once
// A Canvas that hands every call to two others: the picture being painted and
// the drawing log being written.

#include "canvas/Canvas.h"

namespace nimbara {

class TeeCanvas : public Canvas {
 public:
  TeeCanvas(Canvas& primary, Canvas& secondary);

  int PixelWidth() const override { return m_primary.PixelWidth(); }
  int PixelHeight() const override { return m_primary.PixelHeight(); }
  Colour PointColour(PointF p) const override { return m_primary.PointColour(p); }
  bool LoadPictureBytes(const std::string& bytes) override;
  std::optional<std::string> PictureBmpBytes() const override { return m_primary.PictureBmpBytes(); }
  void SetPicture(const Picture& picture) override;
  std::optional<Picture> GetPicture() const override { return m_primary.GetPicture(); }
  void ClearPicture() override;
  bool HasPicture() const override { return m_primary.HasPicture(); }

 protected:
  void OnScaleChanged() override;
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
  // Copies this canvas's drawing state into both targets before a call.
  template <typename Call>
  void Both(Call call);

  Canvas& m_primary;
  Canvas& m_secondary;
};

}  // namespace nimbara
