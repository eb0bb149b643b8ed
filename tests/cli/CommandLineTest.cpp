#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <fcntl.h>
#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>

#include "cli/MapFonts.h"
#include "io/Cp932.h"
#include "qt/Fonts.h"
#include "render/LogFields.h"
#include "support/FileSizeLimit.h"
#include "support/Files.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

namespace fs = std::filesystem;
using testing::TestDataPath;

std::string ReadAll(const fs::path& path) { return testing::ReadAll(path.string()); }

std::vector<std::string> ReadLines(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class CommandLineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("nimbara-cli-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), "nimbara");
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::testing::internal::CaptureStderr();
    const int code = RunMain(static_cast<int>(args.size()), argv.data());
    m_stderr = ::testing::internal::GetCapturedStderr();
    return code;
  }
  std::string Out(const std::string& name) const { return (m_dir / name).string(); }

  fs::path m_dir;
  std::string m_stderr;
};

TEST_F(CommandLineTest, RenderWithoutDataDrawsTheBaseMap) {
  ASSERT_EQ(Run({"render", "-o", Out("map.png"), "--ops", Out("map.ops"), "--size", "400x300"}), 0);
  EXPECT_EQ(QImage(QString::fromStdString(Out("map.png"))).size(), QSize(400, 300));
  const auto ops = ReadLines(Out("map.ops"));
  ASSERT_FALSE(ops.empty());
  EXPECT_EQ(ops.front(), "clear");
  EXPECT_EQ(ops[1], "line 299 99 296 101 1 #0000FF");
  EXPECT_TRUE(std::all_of(ops.begin() + 1, ops.end(), [](const std::string& l) { return l.starts_with("line "); }));
}

TEST_F(CommandLineTest, UnusableInputIsRefusedWithExitCodeTwo) {
  EXPECT_EQ(Run({"render", TestDataPath("data_not_a_data_file.txt"), "-o", Out("a.png")}), 2);
  EXPECT_NE(m_stderr.find("not a data file"), std::string::npos);
  EXPECT_EQ(Run({"render", Out("missing.txt"), "-o", Out("a.png")}), 2);
  EXPECT_EQ(Run({"render", "-o", Out("a.png"), "--size", "0x10"}), 2);
  EXPECT_EQ(Run({"render", "-o", Out("a.gif")}), 2);
  EXPECT_EQ(Run({"render", "-o", Out("a.png"), "--layers", "map,clouds"}), 2);
  EXPECT_EQ(Run({"render", "-o", Out("a.png"), "--style", "agency"}), 2);
  EXPECT_EQ(Run({"render"}), 2);
  EXPECT_EQ(Run({"frobnicate"}), 2);
  EXPECT_FALSE(fs::exists(Out("a.png")));
}

TEST_F(CommandLineTest, LayersThinningAndEnlargingFollowTheMenuSwitches) {
  const std::string data = TestDataPath("data_realistic.txt");
  ASSERT_EQ(Run({"render", data, "-o", Out("all.png"), "--ops", Out("all.ops")}), 0);
  ASSERT_EQ(Run({"render", data, "-o", Out("weather.png"), "--ops", Out("weather.ops"), "--layers", "weather",
                 "--thinned", "--enlarged"}),
            0);
  const auto all = ReadLines(Out("all.ops"));
  const auto weather = ReadLines(Out("weather.ops"));
  auto count = [](const std::vector<std::string>& lines, const std::string& prefix) {
    return std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(prefix); });
  };
  EXPECT_GT(count(all, "text "), 0);           // centre marks of the isobar layer
  EXPECT_EQ(count(weather, "text "), 0);
  // Enlarged weather circles have radius 5.
  const bool enlarged = std::any_of(weather.begin(), weather.end(), [](const std::string& l) {
    const std::vector<double> numbers = testing::NumbersOf(l);  // x, y, radius, width: no arc
    return l.starts_with("circle ") && numbers.size() == 4 && numbers[2] == 5;
  });
  EXPECT_TRUE(enlarged);
}

TEST_F(CommandLineTest, TheChartStyleDrawsItsOwnMapAndTheLegendIsALayer) {
  const std::string data = TestDataPath("data_realistic.txt");
  ASSERT_EQ(Run({"render", data, "-o", Out("classic.png"), "--ops", Out("classic.ops"), "--style", "classic"}), 0);
  ASSERT_EQ(Run({"render", data, "-o", Out("default.png"), "--ops", Out("default.ops")}), 0);
  EXPECT_EQ(ReadLines(Out("classic.ops")), ReadLines(Out("default.ops")));
  const auto texts = [&](const char* layers) {
    const std::string ops = Out(std::string(layers) + ".ops");
    EXPECT_EQ(Run({"render", data, "-o", Out("chart.png"), "--ops", ops, "--style", "chart", "--layers", layers}), 0);
    std::set<std::string> written;
    for (const std::string& line : ReadLines(ops))
      if (line.starts_with("text ") || line.starts_with("halotext ")) written.insert(line.substr(line.rfind(' ') + 1));
    return written;
  };
  EXPECT_TRUE(texts("map,isobars,legend").contains("凡例"));
  EXPECT_FALSE(texts("map,isobars").contains("凡例"));
  EXPECT_TRUE(texts("map").contains("地上天気図"));
}

TEST_F(CommandLineTest, SvgAndPdfExportsAreVectorDocuments) {
  const std::string data = TestDataPath("data_realistic.txt");
  ASSERT_EQ(Run({"render", data, "-o", Out("map.svg")}), 0);
  const std::string svg = ReadAll(Out("map.svg"));
  EXPECT_NE(svg.find("<polyline"), std::string::npos);  // isobars are paths, not pixels
  EXPECT_NE(svg.find(">高</text>"), std::string::npos);
  EXPECT_NE(svg.find(">低</text>"), std::string::npos);
  ASSERT_EQ(Run({"render", data, "-o", Out("map.pdf")}), 0);
  const std::string pdf = ReadAll(Out("map.pdf"));
  EXPECT_TRUE(pdf.starts_with("%PDF-"));
  EXPECT_EQ(testing::PdfPageCount(pdf), 1);
}

TEST_F(CommandLineTest, BlankFormLabelsEveryStationOnce) {
  ASSERT_EQ(Run({"render", "--blank", "-o", Out("form.png"), "--ops", Out("form.ops")}), 0);
  const auto ops = ReadLines(Out("form.ops"));
  for (const std::string name : {"石垣島", "富士山", "ルドナヤプリスタニ"}) {
    EXPECT_EQ(std::count_if(ops.begin(), ops.end(),
                            [&](const std::string& l) { return l.starts_with("text ") && l.ends_with(" " + name); }),
              1)
        << name;
  }
}

TEST_F(CommandLineTest, BatchOutputEqualsSingleRenders) {
  const fs::path copyA = m_dir / "a.txt";
  const fs::path copyB = m_dir / "b.txt";
  fs::copy_file(TestDataPath("data_realistic.txt"), copyA);
  fs::copy_file(TestDataPath("data_comma_in_date.txt"), copyB);
  ASSERT_EQ(Run({"render", copyA.string(), copyB.string(), "--out-dir", Out("batch")}), 0);
  ASSERT_EQ(Run({"render", copyA.string(), "-o", Out("a.png")}), 0);
  ASSERT_EQ(Run({"render", copyB.string(), "-o", Out("b.png")}), 0);
  EXPECT_EQ(ReadAll(m_dir / "batch" / "a.png"), ReadAll(Out("a.png")));
  EXPECT_EQ(ReadAll(m_dir / "batch" / "b.png"), ReadAll(Out("b.png")));
}

TEST_F(CommandLineTest, GridWritesTheIsobarFileOfTheObservations) {
  ASSERT_EQ(Run({"grid", TestDataPath("data_realistic.txt"), "-o", Out("field.cnt")}), 0);
  const std::string cnt = ReadAll(Out("field.cnt"));
  const auto lines = ReadLines(Out("field.cnt"));
  ASSERT_GT(lines.size(), 34u);
  EXPECT_TRUE(lines[0].ends_with("\r"));
  EXPECT_EQ(std::count(lines[0].begin(), lines[0].end(), ','), 33);
  EXPECT_NE(lines[1].substr(0, 2), " 0");  // a computed grid is valid
}

TEST_F(CommandLineTest, ImportLoadThenSaveKeepsTheObservations) {
  ASSERT_EQ(Run({"import", "--load", TestDataPath("data_realistic.txt"), "-o", Out("copy.txt")}), 0);
  const std::string original = ReadAll(TestDataPath("data_realistic.txt"));
  const std::string copy = ReadAll(Out("copy.txt"));
  // The observation file is the full file without its settings block.
  const std::size_t settings = original.find("\r\n\r\n'");
  ASSERT_NE(settings, std::string::npos);
  EXPECT_EQ(copy, original.substr(0, settings + 2));
  EXPECT_EQ(Run({"import", "-o", Out("nothing.txt")}), 2);
}

TEST_F(CommandLineTest, ImportWritesNoTemporaryFile) {
  const fs::path tmp = m_dir / "tmp";
  fs::create_directories(tmp);
  const char* before = std::getenv("TMPDIR");
  const std::string saved = before ? before : "";
  setenv("TMPDIR", tmp.c_str(), 1);
  const int code = Run({"import", std::string(NIMBARA_SAMPLES) + "/bulletins/winter_stations.txt", "-o", Out("day.txt")});
  if (before) setenv("TMPDIR", saved.c_str(), 1);
  else unsetenv("TMPDIR");
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(fs::is_empty(tmp));
}

TEST_F(CommandLineTest, ImportPrintsWhatItReadAndRefusesUnreadableText) {
  const std::string bulletin = ReadAll(std::string(NIMBARA_SAMPLES) + "/bulletins/summer_systems.txt");
  std::ofstream(m_dir / "bom.txt", std::ios::binary) << "\xEF\xBB\xBF" << DecodeCp932(bulletin).text;
  ASSERT_EQ(Run({"import", Out("bom.txt"), "-o", Out("systems.txt")}), 0);
  EXPECT_NE(m_stderr.find("気象庁の「低気圧や前線の位置」として読みました。"), std::string::npos) << m_stderr;
  EXPECT_EQ(ReadAll(Out("systems.txt")).substr(0, bulletin.find("\r\n")), bulletin.substr(0, bulletin.find("\r\n")));

  std::ofstream(m_dir / "page.txt") << "<html>ようこそ</html>\n";
  EXPECT_EQ(Run({"import", Out("page.txt"), "-o", Out("page_out.txt")}), 2);
  EXPECT_NE(m_stderr.find("読めませんでした"), std::string::npos) << m_stderr;
  EXPECT_FALSE(fs::exists(Out("page_out.txt")));
}

TEST_F(CommandLineTest, ImportReadsABulletinFromStandardInput) {
  const int savedStdin = dup(STDIN_FILENO);
  const int bulletin = open((std::string(NIMBARA_SAMPLES) + "/bulletins/winter_stations.txt").c_str(), O_RDONLY);
  dup2(bulletin, STDIN_FILENO);
  const int code = Run({"import", "-", "-o", Out("stdin.txt")});
  dup2(savedStdin, STDIN_FILENO);
  close(bulletin);
  close(savedStdin);
  std::cin.clear();
  EXPECT_EQ(code, 0) << m_stderr;
  EXPECT_NE(m_stderr.find("気圧のある地点：53地点のうち 53地点"), std::string::npos) << m_stderr;
}

// x.dat is read, never a sibling x.txt; -o names the file written.
TEST_F(CommandLineTest, CommandsReadAndWriteExactlyTheFilesTheyAreGiven) {
  fs::copy_file(TestDataPath("data_realistic.txt"), m_dir / "x.dat");
  fs::copy_file(TestDataPath("data_comma_in_date.txt"), m_dir / "x.txt");
  ASSERT_EQ(Run({"render", Out("x.dat"), "-o", Out("dat.png"), "--ops", Out("dat.ops")}), 0);
  ASSERT_EQ(Run({"render", TestDataPath("data_realistic.txt"), "-o", Out("txt.png"), "--ops", Out("txt.ops")}), 0);
  EXPECT_TRUE(ReadAll(Out("dat.ops")) == ReadAll(Out("txt.ops")));
  fs::copy_file(std::string(NIMBARA_SAMPLES) + "/20240115_06.bmp", m_dir / "copy.bmp");
  ASSERT_EQ(Run({"import", "--full", "--load", Out("x.dat"), "-o", Out("copy.dat")}), 0);
  EXPECT_TRUE(fs::exists(Out("copy.dat")));
  EXPECT_TRUE(fs::exists(Out("copy.cnt")));
  EXPECT_FALSE(fs::exists(Out("copy.bmp")));  // no other day's picture beside a set without one
  EXPECT_FALSE(fs::exists(Out("copy.txt")));
}

TEST_F(CommandLineTest, AFailedRunLeavesNoOutputAndSaysSoOnce) {
  const std::string data = TestDataPath("data_realistic.txt");
  EXPECT_EQ(Run({"render", data, "-o", Out("map.png"), "--ops", "/proc/nimbara/map.ops"}), 2);
  EXPECT_FALSE(fs::exists(Out("map.png")));
  EXPECT_EQ(std::count(m_stderr.begin(), m_stderr.end(), '\n'), 1) << m_stderr;
  ASSERT_EQ(Run({"import", "--full", "--load", data, "-o", Out("set.txt")}), 0);
  const std::string earlier = ReadAll(Out("set.txt")) + ReadAll(Out("set.cnt"));
  {
    testing::FileSizeLimit fullDisk(8192);  // the data file fits, the isobar file does not
    EXPECT_EQ(Run({"import", "--full", "--load", TestDataPath("data_comma_in_date.txt"), "-o", Out("set.txt")}), 2);
  }
  EXPECT_TRUE(ReadAll(Out("set.txt")) + ReadAll(Out("set.cnt")) == earlier);
}

// A full set without a picture shows no other day's picture under its name;
// saved over the loaded file, it keeps its own.
TEST_F(CommandLineTest, AFullImportRemovesAnOlderPictureBesideItsOutput) {
  const std::string data = TestDataPath("data_realistic.txt");
  fs::copy_file(std::string(NIMBARA_SAMPLES) + "/20240115_06.bmp", Out("x.bmp"));
  fs::copy_file(data, Out("x.txt"));
  fs::copy_file(Out("x.bmp"), Out("day.bmp"));
  ASSERT_EQ(Run({"import", "--full", "--load", Out("x.txt"), "-o", Out("x.txt")}), 0);
  EXPECT_TRUE(fs::exists(Out("x.bmp")));
  ASSERT_EQ(Run({"import", "--full", "--load", data, "-o", Out("day.txt")}), 0);
  EXPECT_FALSE(fs::exists(Out("day.bmp")));
  EXPECT_TRUE(fs::exists(Out("day.cnt")));
}

TEST_F(CommandLineTest, OutputsThatCollideOrOverwriteAnInputAreRefusedBeforeDrawing) {
  fs::create_directories(m_dir / "a");
  fs::create_directories(m_dir / "b");
  fs::copy_file(TestDataPath("data_realistic.txt"), m_dir / "a" / "map.txt");
  fs::copy_file(TestDataPath("data_comma_in_date.txt"), m_dir / "b" / "map.txt");
  const std::string input = ReadAll(m_dir / "a" / "map.txt");
  const struct {
    std::vector<std::string> run;
    std::string says;  // names the files as they were given
  } runs[] = {
      {{"render", Out("a/map.txt"), Out("b/map.txt"), "--out-dir", Out("out")},
       Out("a/map.txt") + " and " + Out("b/map.txt") + " would both be drawn into " + Out("out/map.png")},
      {{"render", Out("a/map.txt"), "-o", Out("map.png"), "--ops", Out("a/../a/map.txt")},
       Out("a/../a/map.txt") + " would overwrite the input " + Out("a/map.txt")},
      {{"render", Out("a/map.txt"), "-o", Out("map.png"), "--ops", Out("map.png")}, "the same output file"},
      {{"render", Out("a/map.txt"), "-o", Out("map.png"), "--ops", Out("a/map.bmp")}, "overwrite the input"},
      {{"grid", Out("a/map.txt"), "-o", Out("a/map.txt")}, "overwrite the input"},
      {{"import", Out("a/map.txt"), "-o", Out("a/map.txt")}, "overwrite the input"},
      {{"import", "--full", Out("b/map.txt"), Out("a/map.cnt"), "-o", Out("a/map.txt")},
       Out("a/map.cnt") + " would overwrite the input " + Out("a/map.cnt")},
  };
  for (const auto& run : runs) {
    EXPECT_EQ(Run(run.run), 2) << run.says;
    EXPECT_TRUE(m_stderr.starts_with("nimbara: ")) << m_stderr;
    EXPECT_NE(m_stderr.find(run.says), std::string::npos) << m_stderr;
  }
  EXPECT_FALSE(fs::exists(Out("out")));
  EXPECT_FALSE(fs::exists(Out("map.png")));
  EXPECT_FALSE(fs::exists(Out("a/map.bmp")));
  EXPECT_TRUE(ReadAll(m_dir / "a" / "map.txt") == input);
  EXPECT_EQ(Run({"import", "--load", Out("a/map.txt"), "-o", Out("a/map.txt")}), 0) << "a load and save";
}

// With XDG_RUNTIME_DIR unset the command line makes its own runtime folder,
// never one another user could have planted.
TEST_F(CommandLineTest, ThePlantedRuntimeFolderIsNeverUsedOrChanged) {
  if (QGuiApplication::instance()) GTEST_SKIP() << "Qt has started already in this process";
  fs::create_directory(m_dir / "planted");
  fs::permissions(m_dir / "planted", fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                         fs::perms::others_read | fs::perms::others_exec);
  fs::create_directory_symlink(m_dir / "planted", m_dir / "nimbara-runtime");
  const std::string savedTemp = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
  ::setenv("TMPDIR", m_dir.c_str(), 1);
  ::unsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(Run({"render", "-o", Out("map.png")}), 0);
  const fs::path runtime = std::getenv("XDG_RUNTIME_DIR");
  savedTemp.empty() ? ::unsetenv("TMPDIR") : ::setenv("TMPDIR", savedTemp.c_str(), 1);
  EXPECT_EQ(fs::status(m_dir / "planted").permissions(), fs::perms(0755));
  EXPECT_EQ(runtime.parent_path(), m_dir);
  EXPECT_FALSE(fs::is_symlink(runtime));
  EXPECT_EQ(fs::status(runtime).permissions(), fs::perms::owner_all);
}

// Fontconfig reads only the map's font folder; a setup the person chose stays.
TEST_F(CommandLineTest, RenderOffersQtOnlyTheMapsFonts) {
  if (QGuiApplication::instance()) GTEST_SKIP() << "Qt has started already in this process";
  if (!fs::is_directory(kMapFontFolder)) GTEST_SKIP() << "the map's font is not installed here";
  ::unsetenv("FONTCONFIG_FILE");
  EXPECT_EQ(Run({"render", "-o", Out("map.png")}), 0);
  const QStringList families = QFontDatabase::families();
  EXPECT_TRUE(families.contains(kFontFamily)) << families.join(", ").toStdString();
  // Qt's generic names (Sans Serif, Monospace, …) resolve to the map's fonts too.
  for (const QString& family : families) {
    const QString drawnWith = QFontInfo(QFont(family)).family();
    EXPECT_TRUE(drawnWith.startsWith("IPA")) << family.toStdString() << ": " << drawnWith.toStdString();
  }
}

TEST_F(CommandLineTest, GridWithoutStationPressuresSaysSo) {
  const fs::path empty = m_dir / "empty.txt";
  {
    // Clear every station pressure: a data file of a day without reports.
    std::ofstream out(empty, std::ios::binary);
    out << "\x93\xfa\x95\x74\r\n\x8a\x65\x92\x6e\x82\xcc\x93\x56\x8b\x43, 1 \r\nheader\r\n"
           "\x90\xce\x8a\x5f\x93\x87, , 0 , , 0 , 0\r\n";
  }
  EXPECT_EQ(Run({"grid", empty.string(), "-o", Out("none.cnt")}), 2);
  EXPECT_NE(m_stderr.find("気圧が入力されていません"), std::string::npos);
}

}  // namespace
}  // namespace nimbara

namespace nimbara {
namespace {

class PracticeCommandLineTest : public CommandLineTest {
 protected:
  void SetUp() override {
    CommandLineTest::SetUp();
    fs::copy_file(std::string(NIMBARA_SAMPLES) + "/20240115_06.txt", Out("map.txt"));
    ASSERT_TRUE(testing::WriteCp932Text(Out("map.practice.txt"), "1012,100,100,150,120\r\n高,60,60\r\n"));
    ASSERT_TRUE(testing::WriteCp932Text(Out("hanako.practice.txt"), "1013,100,100,150,120\r\n"));
  }
};

TEST_F(PracticeCommandLineTest, PracticeScorePrintsARowPerDrawingAndGoesOnPastAnUnreadableOne) {
  ::testing::internal::CaptureStdout();
  const int code = Run({"practice-score", Out("map.txt"), Out("map.practice.txt"), Out("missing.practice.txt"),
                        Out("hanako.practice.txt")});
  const std::string rows = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(code, 2);
  EXPECT_NE(m_stderr.find("missing.practice.txt"), std::string::npos);
  const std::size_t firstEnd = rows.find('\n');
  ASSERT_NE(firstEnd, std::string::npos);
  EXPECT_TRUE(rows.starts_with(Out("map.practice.txt") + "\t")) << rows;
  EXPECT_NE(rows.find("\t0/4\t1012:"), std::string::npos) << rows;
  EXPECT_EQ(rows.substr(firstEnd + 1), Out("hanako.practice.txt") + "\t0\t0/4\t1013:答えになし\n");
}

TEST_F(PracticeCommandLineTest, RenderPracticeDrawsTheDrawingWithTheAnswerOverIt) {
  ASSERT_EQ(Run({"render", "--practice", Out("map.practice.txt"), "-o", Out("p.png"), "--ops", Out("p.ops")}), 0)
      << m_stderr;
  const std::vector<std::string> log = ReadLines(Out("p.ops"));
  const auto first = [&](const std::string& prefix) {
    return std::find_if(log.begin(), log.end(), [&](const std::string& line) { return line.starts_with(prefix); });
  };
  ASSERT_NE(first("polyline 2 #0000A0 100 100 150 120"), log.end());
  EXPECT_LT(first("polyline 2 #0000A0"), first("polyline 1 #E60078"));
  EXPECT_EQ(Run({"render", "--practice", Out("hanako.practice.txt"), "-o", Out("h.png")}), 2);
  EXPECT_EQ(Run({"render", Out("map.txt"), "--practice", Out("hanako.practice.txt"), "-o", Out("h.png")}), 0);
}

}  // namespace
}  // namespace nimbara
