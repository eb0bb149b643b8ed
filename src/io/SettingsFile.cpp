#include "io/SettingsFile.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>

#include "core/Numbers.h"
#include "core/Text.h"
#include "io/FieldReader.h"

namespace nimbara {
namespace {

struct ColourKey {
  std::string_view key;
  ColourSlot slot;
};

// In the order the file holds them.
constexpr std::array<ColourKey, kColourSlotCount> kColourKeys = {{
    {"背景色=", ColourSlot::Background},
    {"文字色=", ColourSlot::Text},
    {"線の色=", ColourSlot::Isobar},
    {"地図の色=", ColourSlot::Map},
    {"天気記号の色=", ColourSlot::Weather},
    {"風力記号の色=", ColourSlot::Wind},
    {"温暖前線の色=", ColourSlot::WarmFront},
    {"寒冷前線の色=", ColourSlot::ColdFront},
    {"停滞前線の色=", ColourSlot::StationaryFront},
    {"閉塞前線の色=", ColourSlot::OccludedFront},
}};
constexpr std::string_view kSelectedSlotKey = "現在の色=";
constexpr std::string_view kTopKey = "縦位置=";
constexpr std::string_view kLeftKey = "横位置=";
constexpr std::string_view kHeightKey = "縦拡大率=";
constexpr std::string_view kWidthKey = "横拡大率=";
constexpr std::string_view kIntervalKey = "等圧線の間隔=";
constexpr std::string_view kLookKey = "天気図の見た目=";
constexpr std::string_view kLegendKey = "凡例=";
// 窓の位置（等圧線の修正）=812,40: the top-left corner of a window's frame.
constexpr std::string_view kPlaceKeyStart = "窓の位置（";
constexpr std::string_view kPlaceKeyEnd = "）=";

// A switch written as one of two words; any other value leaves it as it was.
struct SwitchKey {
  std::string_view key;
  bool Settings::*value;
  std::string_view on;
  std::string_view off;
};
constexpr std::array<SwitchKey, 2> kSwitchKeys = {{{kLookKey, &Settings::chartStyle, "気象庁風", "標準"},
                                                   {kLegendKey, &Settings::legend, "表示", "非表示"}}};

constexpr std::array<std::string_view, 5> kHeaderLines = {"' ニンバラ for ｲﾝﾀｰﾈｯﾄのﾃﾞｰﾀ用", "' Nimbara2",
                                                          "' ", "' 設定ファイル", "' "};

constexpr float kHundredthsPerHectopascal = 100.0f;
constexpr std::int64_t kSmallestInterval = 1;  // hPa; a smaller one would never advance the tracer

bool IsCommentStart(char c) { return c == '\'' || c == '/'; }

std::string HexForm(std::int32_t value) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%X", static_cast<std::uint32_t>(value));
  return "&H" + std::string(digits) + "&";
}

std::string KeyLine(std::string_view key, const std::string& value) { return std::string(key) + value; }

void ApplyInterval(Settings& settings, std::int32_t hPa) {
  const std::int64_t hundredths = std::int64_t{hPa} * static_cast<std::int64_t>(kHundredthsPerHectopascal);
  if (hPa < kSmallestInterval || hundredths > INT32_MAX) return;
  settings.isobar = IsobarInterval::FromHectopascals(static_cast<float>(hPa));
}

// A whole number and nothing else, within 32 bits.
std::optional<int> ReadWholeNumber(std::string_view text) {
  const std::string trimmed = TrimSpaces(text);
  int number = 0;
  const char* end = trimmed.data() + trimmed.size();
  const auto [stop, error] = std::from_chars(trimmed.data(), end, number);
  if (trimmed.empty() || error != std::errc{} || stop != end) return std::nullopt;
  return number;
}

// "x,y" stored under the name between the key's brackets; anything else is
// ignored, so the window opens at its usual place.
void ApplyWindowPlace(Settings& settings, const SettingLine& line) {
  const std::string_view key = line.key;
  if (!key.starts_with(kPlaceKeyStart) || !key.ends_with(kPlaceKeyEnd)) return;
  const std::string_view name = key.substr(kPlaceKeyStart.size(), key.size() - kPlaceKeyStart.size() - kPlaceKeyEnd.size());
  const std::size_t comma = line.value.find(',');
  if (name.empty() || comma == std::string::npos) return;
  const auto x = ReadWholeNumber(std::string_view(line.value).substr(0, comma));
  const auto y = ReadWholeNumber(std::string_view(line.value).substr(comma + 1));
  if (x && y) settings.windowPlaces[std::string(name)] = {*x, *y};
}

}  // namespace

std::optional<SettingLine> ParseSettingLine(std::string_view line) {
  if (line.empty() || IsCommentStart(line.front())) return std::nullopt;
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  SettingLine parsed{std::string(line.substr(0, equals + 1)), std::string(line.substr(equals + 1))};
  if (parsed.key != kLastFileKey) {
    const std::size_t comment = parsed.value.find_first_of("'/");
    if (comment != std::string::npos) parsed.value.erase(comment);
  }
  return parsed;
}

void ApplySettingLine(Settings& settings, const SettingLine& line) {
  const std::int32_t number = ReadRounded(line.value);
  for (const ColourKey& colour : kColourKeys) {
    if (line.key == colour.key) settings.colours[colour.slot] = number;
  }
  if (line.key == kSelectedSlotKey) settings.selectedColourSlot = number;
  if (line.key == kTopKey) settings.view.top = static_cast<float>(number);
  if (line.key == kLeftKey) settings.view.left = static_cast<float>(number);
  if (line.key == kHeightKey) settings.view.height = static_cast<float>(number);
  if (line.key == kWidthKey) settings.view.width = static_cast<float>(number);
  if (line.key == kIntervalKey) ApplyInterval(settings, number);
  if (line.key == kLastFileKey) settings.lastFile = line.value;
  for (const SwitchKey& s : kSwitchKeys) {
    if (line.key != s.key) continue;
    const std::string value = TrimSpaces(line.value);
    if (value == s.on || value == s.off) settings.*s.value = value == s.on;
  }
  ApplyWindowPlace(settings, line);
}

void ReadSettingsText(std::string_view text, Settings& settings) {
  for (const std::string& line : SplitLines(text)) {
    if (auto parsed = ParseSettingLine(line)) ApplySettingLine(settings, *parsed);
  }
}

std::vector<std::string> SettingsBlockLines(const Settings& settings) {
  std::vector<std::string> lines;
  for (const ColourKey& colour : kColourKeys)
    lines.push_back(KeyLine(colour.key, HexForm(settings.colours[colour.slot])));
  lines.push_back(KeyLine(kSelectedSlotKey, HexForm(settings.selectedColourSlot)));
  lines.push_back(KeyLine(kTopKey, PrintForm(settings.view.top)));
  lines.push_back(KeyLine(kLeftKey, PrintForm(settings.view.left)));
  lines.push_back(KeyLine(kHeightKey, PrintForm(settings.view.height)));
  lines.push_back(KeyLine(kWidthKey, PrintForm(settings.view.width)));
  const std::int32_t hPa = FloorToInt(settings.isobar.interval / kHundredthsPerHectopascal);
  lines.push_back(KeyLine(kIntervalKey, PrintForm(hPa)));
  return lines;
}

std::vector<std::string> SettingsFileLines(const Settings& settings) {
  std::vector<std::string> lines(kHeaderLines.begin(), kHeaderLines.end());
  for (std::string& line : SettingsBlockLines(settings)) lines.push_back(std::move(line));
  lines.push_back(KeyLine(kLastFileKey, settings.lastFile));
  for (const SwitchKey& s : kSwitchKeys) lines.push_back(KeyLine(s.key, std::string(settings.*s.value ? s.on : s.off)));
  for (const auto& [name, place] : settings.windowPlaces)
    lines.push_back(KeyLine(std::string(kPlaceKeyStart) + name + std::string(kPlaceKeyEnd),
                            std::to_string(place.x) + "," + std::to_string(place.y)));
  return lines;
}

FileStatus ReadSettingsFile(const std::string& path, Settings& settings) {
  const FileRead read = ReadCp932TextFile(path);
  if (read.status) ReadSettingsText(read.content, settings);
  return read.status;
}

TextFileSave WriteSettingsFile(const std::string& path, const Settings& settings) {
  return WriteCp932Lines(path, SettingsFileLines(settings));
}

}  // namespace nimbara
