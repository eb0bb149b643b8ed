// The web edition's rules that need no browser (web/src): the archive of a
// save, the quick line's text of several lines, the names of the page's files
// and the session kept across a reload. web/tests checks them in the page.

#include <gtest/gtest.h>

#include "web/PageFiles.h"
#include "web/PicturePixels.h"
#include "web/QuickLines.h"
#include "web/SessionSnapshot.h"
#include "web/StoredZip.h"
#include "app/FileCommands.h"
#include "app/SavedObservations.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

const std::vector<ZipEntry> kSavedSet = {{"天気図.txt", "各地の天気\r\n"}, {"天気図.cnt", std::string(3000, '7')}, {"空", ""}};

std::tm SaveTime() {
  std::tm t{};
  t.tm_year = 2024 - 1900;
  t.tm_mon = 0;
  t.tm_mday = 15;
  t.tm_hour = 6;
  return t;
}

TEST(StoredZip, ReadsBackWhatItStoredAndNeverAFileCutOrAltered) {
  const std::string archive = StoredZip(kSavedSet, SaveTime());
  EXPECT_EQ(ReadStoredZip(archive), kSavedSet);
  // Cut within the files, nothing is read; cut within the directory after
  // them, the files are whole.
  const std::size_t directory = archive.find("PK\1\2");
  for (std::size_t length = 0; length < archive.size(); ++length) {
    const auto read = ReadStoredZip(archive.substr(0, length));
    EXPECT_EQ(read, length < directory + 4 ? std::nullopt : std::optional(kSavedSet)) << "cut at " << length;
  }
  constexpr std::size_t kMethodOfFirstEntry = 8;
  std::string compressed = archive;
  compressed[kMethodOfFirstEntry] = 8;  // deflated
  EXPECT_EQ(ReadStoredZip(compressed), std::nullopt);
  std::string altered = archive;
  altered[archive.find("各地")] ^= 1;
  EXPECT_EQ(ReadStoredZip(altered), std::nullopt);
}

struct LinesCase {
  const char* name;
  const char* text;
  const char* kept;
  std::vector<std::string> entered;
  friend void PrintTo(const LinesCase& c, std::ostream* os) { *os << c.name; }
};

class QuickLinesTest : public ::testing::TestWithParam<LinesCase> {};

TEST_P(QuickLinesTest, EntersFinishedLinesUpToOneNotRead) {
  std::vector<std::string> entered;
  const QuickLinesOutcome outcome = EnterQuickLines(GetParam().text, [&](std::string_view line) {
    entered.emplace_back(line);
    return line == "x" ? std::string("読めません") : std::string();
  });
  EXPECT_EQ(outcome.kept, GetParam().kept);
  EXPECT_EQ(entered, GetParam().entered);
  EXPECT_EQ(outcome.reason.empty(), entered.empty() || entered.back() != "x");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, QuickLinesTest,
    ::testing::Values(LinesCase{"Unfinished", "a", "a", {}},
                      LinesCase{"EveryLineBreak", "a\r\nb\rc\nd", "d", {"a", "b", "c"}},
                      LinesCase{"EmptyLinesAreEntered", "\n\n", "", {"", ""}},
                      LinesCase{"StopsAtUnreadLine", "a\nx\nb\nc", "x\nb\nc", {"a", "x"}},
                      LinesCase{"UnreadLastLineKeepsNoBreak", "a\nx\r\n", "x", {"a", "x"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PageFiles, NamesFilesAsTheDesktopsChoosersDo) {
  EXPECT_EQ(TypedSaveName(" 地図 "), "地図");
  EXPECT_EQ(TypedSaveName("../a/b.txt"), "b.txt");
  EXPECT_EQ(TypedSaveName("  "), kDefaultSaveName);
  EXPECT_EQ(PngDownloadName("map.txt"), "map.txt.png");
  EXPECT_EQ(PngDownloadName("map.PNG"), "map.PNG");
  EXPECT_EQ(PngDownloadName("map.svg"), "map.svg.png");
  EXPECT_EQ(SuggestedSaveName("20240115_06.txt"), "20240115_06");
  EXPECT_EQ(SuggestedSaveName(""), kDefaultSaveName);
  EXPECT_EQ(ChosenDataFile({"a.bmp", "b.TXT", "c.txt"}), "b.TXT");
  EXPECT_EQ(ChosenDataFile({"a.bmp", "set.zip"}), "set.zip");
  EXPECT_EQ(ChosenDataFile({"a.bmp", "txt"}), std::nullopt);
  EXPECT_EQ(AcceptedTypes(OpenKind::DataFile), ".txt,.zip,.gif,.bmp,.jpg,.png");
  EXPECT_EQ(AcceptedTypes(OpenKind::Picture), ".gif,.bmp,.jpg,.png");
}

TEST(SessionSnapshot, BringsBackTheDataTheirViewAndWhetherTheyWereSaved) {
  testing::TestApp before;
  before.state.fullDataMode = true;
  ASSERT_TRUE(LoadDataFileAt(before.Context(), std::string(NIMBARA_SAMPLES) + "/20240115_06.txt"));
  for (const bool changed : {false, true}) {
    if (changed) {
      before.state.view.left += 40;
      before.state.store.stationRecords[0].pressure += 3;
    }
    const std::string snapshot = SnapshotText(before.state);
    testing::TestApp after;
    ASSERT_TRUE(RestoreSnapshot(after.state, snapshot));
    EXPECT_EQ(SnapshotText(after.state), snapshot);
    EXPECT_EQ(after.state.view, before.state.view);
    EXPECT_EQ(after.state.currentFilePath, before.state.currentFilePath);
    EXPECT_EQ(ObservationsUnsaved(after.state), changed);
  }
  testing::TestApp fresh;
  EXPECT_FALSE(RestoreSnapshot(fresh.state, "not a snapshot"));
}

TEST(PicturePixels, TheBrowsersBytesAndThePictureMatchPixelForPixel) {
  const std::vector<std::uint8_t> rgba = {0x10, 0x20, 0x30, 0xFF, 0xA0, 0xB0, 0xC0, 0x80};
  const Picture picture = PictureFromRgba(2, 1, rgba.data());
  EXPECT_EQ(picture.pixels, (std::vector<std::uint32_t>{0xFF102030, 0x80A0B0C0}));
  EXPECT_EQ(RgbaOf(picture), rgba);
}

}  // namespace
}  // namespace nimbara
