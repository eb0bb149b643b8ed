#include "io/FileNames.h"

#include <gtest/gtest.h>

#include "io/FieldReader.h"
#include "io/FieldWriter.h"
#include "io/FileIo.h"
#include "support/TempFolder.h"

namespace nimbara {
namespace {

// The extension is the text after the last "." of the file name, never a
// folder's.
TEST(FileNames, DotsCountOnlyInTheFileName) {
  struct Case {
    const char* path;
    const char* fileName;
    const char* extension;  // in lower case
    const char* withTxt;
    const char* picture;  // the name a satellite picture is saved under
  };
  const Case cases[] = {
      {"weather.dat", "weather.dat", "dat", "weather.txt", "weather.BMP"},
      {"/home/a/map.old.TXT", "map.old.TXT", "txt", "/home/a/map.old.txt", "/home/a/map.old.BMP"},
      {"/home/a/map", "map", "", "/home/a/map.txt", "/home/a/map.BMP"},
      {"/home/a.b/map", "map", "", "/home/a.b/map.txt", "/home/a.b/map.BMP"},
      {"C:\\img.d\\sat", "sat", "", "C:\\img.d\\sat.txt", "C:\\img.d\\sat.BMP"},
      {"sat.", "sat.", "", "sat.txt", "sat.BMP"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FileNameOf(c.path), c.fileName) << c.path;
    EXPECT_EQ(LowerCaseExtension(c.path), c.extension) << c.path;
    EXPECT_EQ(WithExtension(c.path, "txt"), c.withTxt) << c.path;
    EXPECT_EQ(PictureSaveName(c.path), c.picture) << c.path;
  }
}

TEST(IsobarFileNames, EverythingFromTheFirstDotOfTheNameBecomesCnt) {
  EXPECT_EQ(IsobarFileName("map"), "map.cnt");
  EXPECT_EQ(IsobarFileName("map.old.txt"), "map.cnt");
  EXPECT_EQ(IsobarFileName("/home/a.b/map"), "/home/a.b/map.cnt");
  EXPECT_EQ(IsobarFileName("/home/a.b/map.CNT"), "/home/a.b/map.cnt");
  EXPECT_EQ(IsobarFileName(".cnt"), std::nullopt);
  EXPECT_EQ(IsobarFileName("/home/a/.hidden"), std::nullopt);
}

// Linux tells map.cnt from map.CNT: the name of an existing file is kept, so
// that one map never has two isobar files.
TEST(IsobarFileNames, AnExistingFileKeepsItsCase) {
  testing::TempFolder folder;
  ASSERT_TRUE(WriteFileAtomically(folder.File("old.CNT"), "x"));
  ASSERT_TRUE(WriteFileAtomically(folder.File("both.CNT"), "x"));
  ASSERT_TRUE(WriteFileAtomically(folder.File("both.cnt"), "x"));
  EXPECT_EQ(IsobarFileName(folder.File("old.txt")), folder.File("old.CNT"));
  EXPECT_EQ(IsobarFileName(folder.File("both")), folder.File("both.cnt"));
}

TEST(DataFileNames, FolderOfAPath) {
  EXPECT_EQ(FolderOf("/home/pupil/a.txt"), "/home/pupil");
  EXPECT_EQ(FolderOf("data/a.txt"), "data");
  EXPECT_EQ(FolderOf("/a.txt"), std::nullopt);
  EXPECT_EQ(FolderOf("a.txt"), std::nullopt);
  EXPECT_EQ(FolderOf(""), std::nullopt);
}

// Texts that plain comma-separated writing would cut or lose, each written as
// an item between two others.
TEST(DataFileQuoting, EveryTextReadsBackUnchanged) {
  for (std::string text : {"plain", "", "2024年1月18日, 9時", "\"quoted\"", "\"", " leading space", "\ttab",
                           "a\"b", "line\r\nbreak", "a,\"b\",c"}) {
    SCOPED_TRACE(text);
    FieldReader reader("x," + QuoteFieldIfNeeded(text) + ",y\r\n", QuoteRule::DoubledQuotes);
    EXPECT_EQ(reader.ReadField(), "x");
    EXPECT_EQ(reader.ReadField(), text);
    EXPECT_EQ(reader.ReadField(), "y");
  }
}

TEST(DataFileQuoting, PaddingAfterAQuotedItemIsNotPartOfIt) {
  FieldReader reader(QuoteFieldIfNeeded("a,b") + "     ,c", QuoteRule::DoubledQuotes);
  EXPECT_EQ(reader.ReadField(), "a,b");
  EXPECT_EQ(reader.ReadField(), "c");
}

TEST(DataFileQuoting, OnlyTextsThatNeedItAreQuoted) {
  EXPECT_EQ(QuoteFieldIfNeeded("石垣島"), "石垣島");
  EXPECT_EQ(QuoteFieldIfNeeded("a\"b"), "a\"b");
  EXPECT_EQ(QuoteFieldIfNeeded("a,b"), "\"a,b\"");
  EXPECT_EQ(QuoteFieldIfNeeded("\"a"), "\"\"\"a\"");
}

TEST(DataFileQuoting, PlainRuleStillEndsAQuotedItemAtTheNextQuote) {
  FieldReader reader("\"a\"\"b\",c");
  EXPECT_EQ(reader.ReadField(), "a");
  EXPECT_EQ(reader.ReadField(), "c");
}

}  // namespace
}  // namespace nimbara
