#include "io/SettingsFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "io/Cp932.h"
#include "io/FileIo.h"
#include "support/TempFolder.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

using testing::TempFolder;
using testing::TestDataPath;

std::optional<SettingLine> Line(std::string_view key, std::string_view value) {
  return SettingLine{std::string(key), std::string(value)};
}

TEST(SettingLines, CommentsEmptyLinesAndLinesWithoutKeyAreSkipped) {
  EXPECT_EQ(ParseSettingLine(""), std::nullopt);
  EXPECT_EQ(ParseSettingLine("' 設定ファイル"), std::nullopt);
  EXPECT_EQ(ParseSettingLine("/背景色=&HFF&"), std::nullopt);
  EXPECT_EQ(ParseSettingLine("no key here"), std::nullopt);
}

TEST(SettingLines, ValueEndsAtCommentAndIsNotTrimmed) {
  EXPECT_EQ(ParseSettingLine("背景色=&H00FF00& ' green"), Line("背景色=", "&H00FF00& "));
  EXPECT_EQ(ParseSettingLine("地図の色=&H80& / dark red"), Line("地図の色=", "&H80& "));
  EXPECT_EQ(ParseSettingLine("縦位置= 12 "), Line("縦位置=", " 12 "));
  EXPECT_EQ(ParseSettingLine("a=b=c"), Line("a=", "b=c"));
}

TEST(SettingLines, LastFileValueKeepsSlashesAndApostrophes) {
  EXPECT_EQ(ParseSettingLine("最終表示ファイル=/home/pupil/tom's map.txt"),
            Line("最終表示ファイル=", "/home/pupil/tom's map.txt"));
}

Settings Read(std::string_view text) {
  Settings settings;
  ReadSettingsText(text, settings);
  return settings;
}

TEST(SettingsText, OnlyTheHeightChangesTheHeight) {
  Settings expected;
  expected.view.height = 300.0f;
  EXPECT_EQ(Read("縦拡大率=300\n"), expected);
}

TEST(SettingsText, CommentAfterColourIsIgnored) {
  EXPECT_EQ(Read("背景色=&H00FF00& ' green").colours[ColourSlot::Background], 0xFF00);
}

TEST(SettingsText, SlashLineChangesNothing) { EXPECT_EQ(Read("/背景色=&H00FF00&"), Settings{}); }

TEST(SettingsText, ChartSwitchesTakeTheirTwoWordsAndIgnoreOthers) {
  const struct {
    const char* text;
    bool chartStyle;
    bool legend;
  } cases[] = {
      {"天気図の見た目=気象庁風\n凡例=非表示", true, false},
      {"天気図の見た目=気象庁風\n天気図の見た目=標準", false, true},
      {"天気図の見た目= 気象庁風 ' 見た目", true, true},
      {"天気図の見た目=1\n凡例=0", false, true},
  };
  for (const auto& c : cases) {
    const Settings settings = Read(c.text);
    EXPECT_EQ(settings.chartStyle, c.chartStyle) << c.text;
    EXPECT_EQ(settings.legend, c.legend) << c.text;
  }
  Settings chart;
  chart.chartStyle = true;
  for (const std::string& line : SettingsBlockLines(chart))  // data files carry the block without them
    EXPECT_EQ(line.find("天気図の見た目"), std::string::npos);
}

TEST(SettingsText, WindowPlacesAreTwoWholeNumbersWrittenAfterTheSwitches) {
  const Settings settings = Read(
      "窓の位置（等圧線の修正）= 812, 40 \n窓の位置（断面図）=-5,1200\n窓の位置（A）=12\n窓の位置（B）=1,2,3\n"
      "窓の位置（C）=x,4\n窓の位置（D）=1.5,2\n窓の位置（E）=99999999999,1\n窓の位置（）=1,2\n窓の位置（F=1,2");
  EXPECT_EQ(settings.windowPlaces, (WindowPlaceMemory{{"断面図", {-5, 1200}}, {"等圧線の修正", {812, 40}}}));
  const std::vector<std::string> lines = SettingsFileLines(settings);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
            (std::vector<std::string>{"凡例=表示", "窓の位置（断面図）=-5,1200", "窓の位置（等圧線の修正）=812,40"}));
  for (const std::string& line : SettingsBlockLines(settings))  // nor do data files carry them
    EXPECT_EQ(line.find("窓の位置"), std::string::npos);
}

TEST(SettingsText, IntervalGivesHundredthsAndHalf) {
  const Settings settings = Read("等圧線の間隔=5");
  EXPECT_EQ(settings.isobar.interval, 500.0f);
  EXPECT_EQ(settings.isobar.startOffset, 250.0f);
}

TEST(SettingsText, IntervalBelowOneOrBeyond32BitsKeepsTheEarlierOne) {
  for (const char* text :
       {"等圧線の間隔=0", "等圧線の間隔=0.4", "等圧線の間隔=-3", "等圧線の間隔=x", "等圧線の間隔=30000000"}) {
    SCOPED_TRACE(text);
    Settings settings = Read("等圧線の間隔=6");
    ReadSettingsText(text, settings);
    EXPECT_EQ(settings.isobar, IsobarInterval::FromHectopascals(6.0f));
  }
}

TEST(SettingsText, UnreadableValuesStoreZeroAndTheLastLineWins) {
  const Settings settings = Read("文字色=black\n線の色=&H1&\n線の色=&H2&\n横位置=abc\n現在の色=7\nunknown=5");
  EXPECT_EQ(settings.colours[ColourSlot::Text], 0);
  EXPECT_EQ(settings.colours[ColourSlot::Isobar], 2);
  EXPECT_EQ(settings.view.left, 0.0f);
  EXPECT_EQ(settings.selectedColourSlot, 7);
}

TEST(SettingsText, FractionalViewValuesReadBackRoundedHalvesToEven) {
  const Settings settings = Read("縦位置= 12.5 \n横位置=-7.25 \n縦拡大率= 380.75 \n横拡大率= 390.5 ");
  EXPECT_EQ(settings.view, (MapView{12.0f, -7.0f, 390.0f, 381.0f}));
}

TEST(SettingsText, ReadsCp932FilesWithCommentsAndFractions) {
  Settings settings;
  ASSERT_TRUE(ReadSettingsFile(TestDataPath("settings_comments.ini"), settings));
  EXPECT_EQ(settings.colours[ColourSlot::Background], 0xFF00);
  EXPECT_EQ(settings.colours[ColourSlot::Text], kBlack);
  EXPECT_EQ(settings.colours[ColourSlot::Map], 0x80);
  EXPECT_EQ(settings.colours[ColourSlot::Isobar], 0x123456);
  EXPECT_EQ(settings.isobar, IsobarInterval{});
  EXPECT_EQ(settings.view.height, 300.0f);

  Settings fractional;
  ASSERT_TRUE(ReadSettingsFile(TestDataPath("settings_fractional_view.ini"), fractional));
  EXPECT_EQ(fractional.view, (MapView{12.0f, -7.0f, 390.0f, 381.0f}));
  EXPECT_EQ(fractional.lastFile, "/home/pupil/天気/2024's map.txt");
}

TEST(SettingsText, MissingFileLeavesEverything) {
  Settings settings = Read("背景色=&H1&");
  const Settings before = settings;
  EXPECT_FALSE(ReadSettingsFile(TestDataPath("settings_no_such_file.ini"), settings));
  EXPECT_EQ(settings, before);
}

TEST(SettingsFileLayout, DefaultsAreWrittenInFileOrder) {
  Settings settings;
  settings.lastFile = "/home/pupil/a.txt";
  const std::vector<std::string> expected = {"' ニンバラ for ｲﾝﾀｰﾈｯﾄのﾃﾞｰﾀ用",
                                             "' Nimbara2",
                                             "' ",
                                             "' 設定ファイル",
                                             "' ",
                                             "背景色=&HFFFFFF&",
                                             "文字色=&H0&",
                                             "線の色=&HFF0000&",
                                             "地図の色=&HFF0000&",
                                             "天気記号の色=&HFF0000&",
                                             "風力記号の色=&HFF0000&",
                                             "温暖前線の色=&HFF&",
                                             "寒冷前線の色=&HFF&",
                                             "停滞前線の色=&HFF&",
                                             "閉塞前線の色=&HFF&",
                                             "現在の色=&H0&",
                                             "縦位置= 0 ",
                                             "横位置= 0 ",
                                             "縦拡大率= 400 ",
                                             "横拡大率= 400 ",
                                             "等圧線の間隔= 4 ",
                                             "最終表示ファイル=/home/pupil/a.txt",
                                             "天気図の見た目=標準",
                                             "凡例=表示"};
  EXPECT_EQ(SettingsFileLines(settings), expected);
}

TEST(SettingsFileLayout, FractionsNegativesAndHighColoursAreWrittenInFull) {
  Settings settings;
  settings.view = {12.5f, -7.25f, 400.0f, 380.75f};
  settings.colours[ColourSlot::Text] = -1;
  settings.isobar = IsobarInterval::FromHectopascals(2.0f);
  const auto lines = SettingsBlockLines(settings);
  EXPECT_EQ(lines[1], "文字色=&HFFFFFFFF&");
  EXPECT_EQ(lines[11], "縦位置= 12.5 ");
  EXPECT_EQ(lines[12], "横位置=-7.25 ");
  EXPECT_EQ(lines[13], "縦拡大率= 380.75 ");
  EXPECT_EQ(lines[15], "等圧線の間隔= 2 ");
}

Settings Unusual() {
  Settings settings;
  settings.colours[ColourSlot::Background] = 0xC0FFC0;
  settings.colours[ColourSlot::Wind] = 0x123456;
  settings.colours[ColourSlot::OccludedFront] = 0;
  settings.selectedColourSlot = 4;
  settings.view = {-20.0f, 35.0f, 250.0f, 260.0f};
  settings.isobar = IsobarInterval::FromHectopascals(2.0f);
  settings.lastFile = "/tmp/天気 図/it's.txt";
  settings.chartStyle = true;
  settings.legend = false;
  settings.windowPlaces = {{"気象データの入力", {1010, 52}}, {"断面図", {-40, 900}}};
  return settings;
}

TEST(SettingsFileLayout, WrittenFileStartsWithCommentsAndReadsBack) {
  TempFolder folder;
  const std::string path = folder.File("Nimbara.ini");
  ASSERT_TRUE(WriteSettingsFile(path, Unusual()));
  const auto bytes = ReadWholeFile(path);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(
      bytes->rfind(
          EncodeCp932("' ニンバラ for ｲﾝﾀｰﾈｯﾄのﾃﾞｰﾀ用\r\n' Nimbara2\r\n' \r\n' 設定ファイル\r\n' \r\n").bytes,
          0),
      0u);
  Settings read;
  ASSERT_TRUE(ReadSettingsFile(path, read));
  EXPECT_EQ(read, Unusual());
}

TEST(SettingsFileLayout, FailedWriteReportsFalse) {
  TempFolder folder;
  EXPECT_FALSE(WriteSettingsFile(folder.File("missing/Nimbara.ini"), Settings{}));
  EXPECT_FALSE(WriteSettingsFile(folder.Path(), Settings{}));  // a folder stands there
  EXPECT_TRUE(std::filesystem::is_directory(folder.Path()));
}

}  // namespace
}  // namespace nimbara
