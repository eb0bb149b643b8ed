#pragma once
// The code tables: wind directions, weather words and system kinds.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace nimbara {

// Code c stands for 22.5 * c degrees counter-clockwise from north.
inline constexpr std::array<std::string_view, 16> kWindDirectionList = {
    "北", "北北西", "北西", "西北西", "西", "西南西", "南西", "南南西",
    "南", "南南東", "南東", "東南東", "東", "東北東", "北東", "北北東"};

inline constexpr std::array<std::string_view, 11> kWeatherList = {
    "快晴", "晴れ", "くもり", "雨", "雪", "みぞれ", "あられ", "ひょう", "雷", "霧", "不明"};
inline constexpr std::int32_t kUnknownWeather = 11;  // a word that was not recognised
inline constexpr std::string_view kUndeterminedWeatherName = "不明";

inline constexpr std::array<std::string_view, 9> kSystemKindList = {
    "高気圧", "低気圧", "台風", "熱帯低気圧", "温暖前線", "寒冷前線", "停滞前線", "閉塞前線", "等圧線"};

namespace kind {
inline constexpr std::string_view kHigh = "高気圧";
inline constexpr std::string_view kLow = "低気圧";
inline constexpr std::string_view kTyphoon = "台風";
inline constexpr std::string_view kTropicalDepression = "熱帯低気圧";
inline constexpr std::string_view kWarmFront = "温暖前線";
inline constexpr std::string_view kColdFront = "寒冷前線";
inline constexpr std::string_view kStationaryFront = "停滞前線";
inline constexpr std::string_view kOccludedFront = "閉塞前線";
inline constexpr std::string_view kIsobarPoint = "等圧線";
inline constexpr std::string_view kFromCentre = "中心から";
inline constexpr std::string_view kFromThere = "そこから";
}  // namespace kind

// Name -> code: the index in the list; not found gives 0 (direction) or 11 (weather).
std::int32_t DirectionCode(std::string_view name);
std::int32_t WeatherCode(std::string_view name);
// Code -> name: the list entry, or the empty text outside the list.
std::string DirectionName(std::int32_t code);
std::string WeatherName(std::int32_t code);

// The direction's name, or `calm` when there is no wind (force 0): a calm
// has no direction.
std::string WindDirectionText(std::int32_t direction, std::int32_t force, std::string_view calm = {});

// A kind is a front kind when its name ends with "前線".
bool IsFrontKind(std::string_view kind);

}  // namespace nimbara
