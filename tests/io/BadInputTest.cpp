// Hostile contents in the settings and isobar files: wild counts, NUL bytes,
// broken CP932 and views or pressures of 0 or 1e30. Each reads to a defined
// value, and what was read can be drawn and written again without a fault.
#include <gtest/gtest.h>

#include <string>

#include "core/MapView.h"
#include "io/Cp932.h"
#include "io/FieldWriter.h"
#include "io/IsobarFile.h"
#include "io/SettingsFile.h"
#include "pressure/CentreMarkPlaces.h"
#include "pressure/IsobarTracer.h"
#include "pressure/PressureReadout.h"
#include "pressure/PressureRelief.h"
#include "render/RecordingCanvas.h"

namespace nimbara {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
constexpr int kGridCells = (kGridLast + 1) * (kGridLast + 1);

Settings ReadSettingsBytes(const std::string& bytes) {
  Settings settings;
  ReadSettingsText(DecodeCp932(bytes).text, settings);
  return settings;
}

Settings ReadBack(const Settings& settings) {
  Settings again;
  ReadSettingsText(JoinCrLfLines(SettingsFileLines(settings)), again);
  return again;
}

TEST(BadSettings, WildCountsAndColoursAreKeptAndWrittenBackAsRead) {
  for (const char* value : {"-5", "99999"}) {
    SCOPED_TRACE(value);
    const std::string v(value);
    const Settings settings =
        ReadSettingsBytes(EncodeCp932("現在の色=" + v + "\r\n背景色=" + v + "\r\n地図の色=&H" + v + "&\r\n").bytes);
    EXPECT_EQ(settings.selectedColourSlot, std::stoi(v));  // the colour window starts at its first slot anyway
    EXPECT_EQ(settings.colours[ColourSlot::Background], std::stoi(v));
    EXPECT_EQ(ReadBack(settings), settings);
  }
}

TEST(BadSettings, IsobarIntervalOfMinusFiveKeepsTheEarlierOneAndHugeOnesAreTaken) {
  EXPECT_EQ(ReadSettingsBytes("等圧線の間隔=-5").isobar, IsobarInterval{});
  const Settings wide = ReadSettingsBytes(EncodeCp932("等圧線の間隔=99999").bytes);
  EXPECT_EQ(wide.isobar, IsobarInterval::FromHectopascals(99999.0f));
  EXPECT_EQ(ReadBack(wide), wide);
}

TEST(BadSettings, NulBytesAreOrdinaryCharacters) {
  // A NUL in a key makes it unknown; a NUL in a value ends the number there;
  // neither ends the line nor the file.
  std::string bytes = EncodeCp932("横位置=7\r\n").bytes;
  bytes += std::string("\0", 1) + EncodeCp932("縦位置=9\r\n文字色=&H1").bytes;
  bytes += std::string("\0", 1) + "2&\r\n" + EncodeCp932("縦拡大率=300\r\n").bytes;
  const Settings settings = ReadSettingsBytes(bytes);
  EXPECT_EQ(settings.view, (MapView{0.0f, 7.0f, kMapSize, 300.0f}));
  EXPECT_EQ(settings.colours[ColourSlot::Text], 1);
}

TEST(BadSettings, BrokenCp932SpoilsOnlyItsOwnLine) {
  // A lead byte before the line end must not swallow the CR LF.
  std::string bytes = "\xFF\xFE" + EncodeCp932("横位置=7\r\n縦位置=5").bytes + "\x81\r\n";
  bytes += EncodeCp932("横拡大率=").bytes + "\x81\x20" + "12\r\n";
  bytes += EncodeCp932("縦拡大率=300\r\n最終表示ファイル=a").bytes + "\x82";
  const Settings settings = ReadSettingsBytes(bytes);
  EXPECT_EQ(settings.view.left, 0.0f);      // its key is spoilt
  EXPECT_EQ(settings.view.top, 5.0f);       // the number ends before the broken byte
  EXPECT_EQ(settings.view.width, 0.0f);     // the value starts with a broken byte: nothing readable
  EXPECT_EQ(settings.view.height, 300.0f);  // the next line is whole
  EXPECT_EQ(settings.lastFile, "a" + std::string(kReplacement));
}

TEST(BadSettings, ViewsOfZeroOrHugeExtentSaturateAndAreReplacedWhenUsed) {
  const Settings zero = ReadSettingsBytes(EncodeCp932("横拡大率=0\r\n縦拡大率=0\r\n").bytes);
  EXPECT_EQ(UsableMapView(zero.view), MapView{});

  const Settings huge =
      ReadSettingsBytes(EncodeCp932("縦位置=1e30\r\n横位置=-1e30\r\n横拡大率=1e30\r\n縦拡大率=-1e30\r\n").bytes);
  EXPECT_EQ(huge.view, (MapView{2147483648.0f, -2147483648.0f, 2147483648.0f, -2147483648.0f}));
  EXPECT_EQ(ReadBack(huge), huge);
  RecordingCanvas canvas;
  canvas.SetScale(UsableMapView(huge.view));
  EXPECT_EQ(canvas.ToPixels({200.0f, 200.0f}).x, canvas.ToPixels({200.0f, 200.0f}).x);  // not NaN
}

struct IsobarState {
  ObservationStore store;
  PlotPointTable plot;
  PressureGrid grid;
};

// A whole grid of `cell`, then the entry count and entry lines.
std::string IsobarText(const std::string& cell, const std::string& tail) {
  std::string text;
  for (int i = 0; i < kGridCells; ++i) {
    if (i > 0) text += i % (kGridLast + 1) == 0 ? "\r\n" : ",";
    text += cell;
  }
  return text + "\r\n" + tail;
}

IsobarState ReadIsobarBytes(const std::string& bytes, std::int16_t stationCount = kBuiltInStationCount) {
  IsobarState s;
  s.store.stationCount = stationCount;
  s.store.shipCount = 3;
  ReadIsobarText(DecodeCp932(bytes).text, s.store, s.plot, s.grid);
  return s;
}

// Everything the program draws from an isobar file, as the geometry it draws.
void DrawEverything(const IsobarState& s) {
  const IsobarInterval isobar;
  (void)TraceIsobarSegments(s.grid, isobar.interval, isobar.startOffset);
  (void)CentreMarkPlaces(s.store, s.plot);
  (void)PressureRelief(s.grid);
  (void)UsableMapView(ReliefView(s.grid));
  (void)PressureLabelAtClick(s.grid, 100.0, 100.0);
  (void)IsobarFileLines(s.grid, s.store, s.plot);
}

TEST(BadIsobarFile, EntryCountsOfMinusFiveOrMoreThanTheSlotsStayWithinTheTable) {
  struct Case {
    std::int16_t stationCount;
    std::string count;
    int systems;
  };
  for (const Case& c : {Case{54, "-5", 0}, Case{54, "99999", 201 - 54}, Case{-5, "99999", 201},
                        Case{32767, "3", 0}, Case{32767, "-5", 0}}) {
    SCOPED_TRACE(c.count + " after " + std::to_string(c.stationCount) + " stations");
    const IsobarState s =
        ReadIsobarBytes(EncodeCp932(IsobarText(" 101300 ", c.count + "\r\n低気圧, 10 , 20 \r\n")).bytes,
                        c.stationCount);
    EXPECT_EQ(s.store.systemCount, c.systems);
    EXPECT_LE(s.plot.lastIndex, kLastSlot);
    EXPECT_EQ(s.store.shipCount, 0);
    DrawEverything(s);
  }
}

TEST(BadIsobarFile, NulBytesInsideItemsEndTheirNumbersWithoutShiftingTheGrid) {
  const std::string nulInside("12\0" "34", 5);
  std::string cells;
  for (int i = 0; i < kGridCells; ++i) cells += (i == 0 ? "" : ",") + (i == 1 ? nulInside : "5");
  const IsobarState s = ReadIsobarBytes(cells + "\r\n 1 \r\n" + EncodeCp932("低気圧").bytes +
                                        std::string("\0", 1) + ", 10 , 20 \r\n");
  EXPECT_EQ(s.grid.At(0, 0), 5);
  EXPECT_EQ(s.grid.At(1, 0), 12);
  EXPECT_EQ(s.grid.At(kGridLast, kGridLast), 5);
  EXPECT_EQ(s.store.systemCount, 1);
  EXPECT_EQ(PlotName(s.store, 54), "低気圧" + std::string("\0", 1));
  EXPECT_EQ(s.plot.x[54], 10);
  DrawEverything(s);
}

TEST(BadIsobarFile, BrokenCp932KindsAreReadAsTextAndNotWrittenBack) {
  const std::string tail = " 2 \r\n" + EncodeCp932("低気圧").bytes + "\x81, 10 , 20 \r\n" +
                           EncodeCp932("高気圧, 30 , 40 \r\n").bytes;
  const IsobarState s = ReadIsobarBytes(EncodeCp932(IsobarText("\x81\x20", "")).bytes + tail);
  EXPECT_EQ(s.grid.At(5, 5), 0);  // a broken cell reads as 0
  EXPECT_EQ(s.store.systemCount, 2);
  EXPECT_EQ(PlotName(s.store, 54), "低気圧" + std::string(kReplacement));
  const auto lines = IsobarFileLines(s.grid, s.store, s.plot);
  EXPECT_EQ(lines[kGridLast + 1], " 1 ");
  EXPECT_EQ(lines.back(), "高気圧, 30 , 40 ");
  DrawEverything(s);
}

TEST(BadIsobarFile, PressuresAndPlacesOfZeroOrHugeSizeSaturateAndStillDraw) {
  for (const char* value : {"0", "1e30", "-1e30"}) {
    SCOPED_TRACE(value);
    const std::string v(value);
    const IsobarState s = ReadIsobarBytes(
        EncodeCp932(IsobarText(v, " 2 \r\n低気圧," + v + "," + v + "\r\n高気圧,1e30,1e30\r\n")).bytes);
    const std::int32_t expected = v == "1e30" ? INT32_MAX : v == "-1e30" ? INT32_MIN : 0;
    EXPECT_EQ(s.grid.At(17, 17), expected);
    EXPECT_EQ(s.plot.x[54], expected);
    EXPECT_EQ(s.plot.y[55], INT32_MAX);
    DrawEverything(s);
  }
}

// Pressures beyond 800 to 1200 hPa are never traced, however they alternate.
TEST(BadIsobarFile, AlternatingExtremePressuresTraceNoIsobars) {
  IsobarState s;
  for (int column = 0; column <= kGridLast; ++column) {
    for (int row = 0; row <= kGridLast; ++row) s.grid.At(column, row) = (column + row) % 2 ? INT32_MAX : INT32_MIN;
  }
  const IsobarInterval isobar;
  EXPECT_TRUE(TraceIsobarSegments(s.grid, isobar.interval, isobar.startOffset).empty());
  DrawEverything(s);
}

}  // namespace
}  // namespace nimbara
