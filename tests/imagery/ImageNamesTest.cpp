#include "imagery/ImageNames.h"

#include <gtest/gtest.h>

namespace nimbara {
namespace {

TEST(PictureSaveName, ExtensionReplacedOrAdded) {
  const std::pair<const char*, const char*> cases[] = {
      {"/tmp/sat", "/tmp/sat.BMP"},
      {"/tmp/sat.gif", "/tmp/sat.BMP"},
      {"/tmp/sat.2024.jpg", "/tmp/sat.2024.BMP"},   // only the last "." counts
      {"/tmp/a.b/sat", "/tmp/a.b/sat.BMP"},         // never a folder's "."
      {"C:\\img.d\\sat", "C:\\img.d\\sat.BMP"},
      {"sat.", "sat.BMP"},
      {"sat.bmp", "sat.BMP"},
  };
  for (const auto& [chosen, expected] : cases) EXPECT_EQ(PictureSaveName(chosen), expected) << chosen;
}

}  // namespace
}  // namespace nimbara
