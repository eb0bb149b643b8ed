#include "io/PracticeFile.h"

#include <gtest/gtest.h>

#include "support/Files.h"
#include "support/TempFolder.h"

namespace nimbara {
namespace {

struct FileRow {
  const char* name;
  const char* text;  // UTF-8, CR LF
  PracticeDrawing drawing;
};

std::ostream& operator<<(std::ostream& out, const FileRow& row) { return out << row.name; }

class PracticeFileRoundTrip : public ::testing::TestWithParam<FileRow> {};

TEST_P(PracticeFileRoundTrip, ReadsAndWritesBackByteForByte) {
  testing::TempFolder folder;
  const std::string path = folder.File("map.practice.txt");
  const std::string bytes = EncodeCp932(GetParam().text).bytes;
  ASSERT_TRUE(WriteFileAtomically(path, bytes));
  const PracticeFileRead read = ReadPracticeFile(path);
  ASSERT_TRUE(read.status);
  EXPECT_EQ(read.drawing, GetParam().drawing);
  const std::string copy = folder.File("copy.practice.txt");
  ASSERT_TRUE(WritePracticeFile(copy, read.drawing));
  EXPECT_EQ(testing::ReadAll(copy), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, PracticeFileRoundTrip,
    ::testing::Values(
        FileRow{"OneLine", "1012,120.5,80,124,83.5\r\n", {{{1012, {{120.5, 80}, {124, 83.5}}}}, {}}},
        FileRow{"LinesAndMarks", "1008,10,20,30,40,50,60\r\n1010.5,1.2,3.4,5.6,7.8\r\n高,200,150\r\n低,99.9,0.1\r\n",
                {{{1008, {{10, 20}, {30, 40}, {50, 60}}}, {1010.5, {{1.2, 3.4}, {5.6, 7.8}}}},
                 {{CentreMarkKind::High, {200, 150}}, {CentreMarkKind::Low, {99.9, 0.1}}}}},
        FileRow{"Empty", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PracticeFile, PointsKeepOneDecimal) {
  const PracticeDrawing drawing{{{1012, {{120.54, 80.06}, {124.0, 83.449}}}}, {}};
  EXPECT_EQ(PracticeFileLines(drawing), std::vector<std::string>{"1012,120.5,80.1,124,83.4"});
}

TEST(PracticeFile, LinesThatAreNeitherIsobarNorMarkAreSkipped) {
  const PracticeDrawing drawing = ReadPracticeText("1012,1,2\n\nabc\n高,5\n1016,1,2,3,4,5\n");
  EXPECT_EQ(drawing, (PracticeDrawing{{{1016, {{1, 2}, {3, 4}}}}, {}}));
}

TEST(PracticeFile, AFileWithNothingReadableIsNotAPracticeFile) {
  testing::TempFolder folder;
  const std::string path = folder.File("x.practice.txt");
  ASSERT_TRUE(testing::WriteCp932Text(path, "気象観測\r\n"));
  EXPECT_EQ(ReadPracticeFile(path).status.fault, FileFault::WrongKind);
}

struct NameRow {
  const char* practice;
  std::optional<std::string> data;
};

class PracticeFileNames : public ::testing::TestWithParam<NameRow> {};

TEST_P(PracticeFileNames, APracticeFileSitsBesideItsDataFile) {
  EXPECT_EQ(DataFileOfPractice(GetParam().practice), GetParam().data);
  if (GetParam().data) {
    EXPECT_EQ(PracticeFileName(*GetParam().data), GetParam().practice);
  }
}

INSTANTIATE_TEST_SUITE_P(Names, PracticeFileNames,
                         ::testing::Values(NameRow{"/a/b/20240115_06.practice.txt", "/a/b/20240115_06.txt"},
                                           NameRow{"map.practice.txt", "map.txt"},
                                           NameRow{"/a/.practice.txt", std::nullopt},
                                           NameRow{"map.txt", std::nullopt}));

}  // namespace
}  // namespace nimbara
