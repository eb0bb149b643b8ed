#pragma once
// A Canvas that draws nothing: the fuzz targets exercise the drawing
// arithmetic without the cost of writing the drawing log for every input
// (the log's number formatting of extreme values is tested in the io suite).

#include "core/Canvas.h"

namespace nimbara {

class NullCanvas : public Canvas {
 public:
  int PixelWidth() const override { return kSide; }
  int PixelHeight() const override { return kSide; }
  Colour PointColour(PointF) const override { return kWhite; }
  bool LoadPicture(const std::string&) override { return false; }
  bool SavePictureBmp(const std::string&) const override { return false; }
  void SetPicture(const Picture&) override {}
  std::optional<Picture> GetPicture() const override { return std::nullopt; }
  void ClearPicture() override {}
  bool HasPicture() const override { return false; }

 protected:
  void DoClear() override {}
  void DoLine(PointF, PointF, Colour) override {}
  void DoRect(PointF, PointF, Colour, bool) override {}
  void DoCircle(PointF, double, Colour, std::optional<ArcAngles>) override {}
  void DoPolygon(std::span<const PointF>) override {}
  void DoText(PointF, std::string_view) override {}

 private:
  static constexpr int kSide = 800;  // pixels, the command line's default map
};

}  // namespace nimbara
