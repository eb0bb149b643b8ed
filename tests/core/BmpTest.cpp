#include "core/Bmp.h"

#include <gtest/gtest.h>

namespace nimbara {
namespace {

TEST(Bmp, WrittenPicturesReadBack) {
  const Picture picture{3, 2, {0xFF102030u, 0xFFFFFFFFu, 0xFF000000u, 0xFFAABBCCu, 0xFF010203u, 0xFF7F7F7Fu}};
  EXPECT_EQ(DecodeBmp(EncodeBmp(picture)), picture);
}

TEST(Bmp, GarbageAndTruncatedFilesAreRejected) {
  EXPECT_EQ(DecodeBmp("not a picture"), std::nullopt);
  std::string bytes = EncodeBmp({4, 4, std::vector<std::uint32_t>(16, 0xFF000000u)});
  bytes.resize(bytes.size() - 5);
  EXPECT_EQ(DecodeBmp(bytes), std::nullopt);
}

}  // namespace
}  // namespace nimbara
