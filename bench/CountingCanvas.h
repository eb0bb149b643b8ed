#pragma once
// A Canvas that draws nothing and only counts the drawing calls: for
// measuring and fuzzing the drawing arithmetic without the cost of painting
// or of writing the drawing log.

#include "canvas/Canvas.h"

namespace nimbara {

class CountingCanvas : public Canvas {
 public:
  long calls = 0;

  int PixelWidth() const override { return kSide; }
  int PixelHeight() const override { return kSide; }
  Colour PointColour(PointF) const override { return kWhite; }
  bool LoadPictureBytes(const std::string&) override { return false; }
  std::optional<std::string> PictureBmpBytes() const override { return std::nullopt; }
  void SetPicture(const Picture&) override {}
  std::optional<Picture> GetPicture() const override { return std::nullopt; }
  void ClearPicture() override {}
  bool HasPicture() const override { return false; }

 protected:
  void DoClear() override { ++calls; }
  void DoLine(PointF, PointF, Colour) override { ++calls; }
  void DoRect(PointF, PointF, Colour, bool) override { ++calls; }
  void DoCircle(PointF, double, Colour, std::optional<ArcAngles>) override { ++calls; }
  void DoPolygon(std::span<const PointF>) override { ++calls; }
  void DoText(PointF, std::string_view) override { ++calls; }
  void DoPolyline(std::span<const PointF>, Colour) override { ++calls; }
  void DoHaloText(PointF, std::string_view, Colour, int) override { ++calls; }

 private:
  static constexpr int kSide = 800;  // pixels, the command line's default map
};

}  // namespace nimbara
