#pragma once
// The code tables: wind directions and weather words (system kinds: core/SystemKind.h).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/SystemKind.h"

namespace nimbara {

// Code c stands for 22.5 * c degrees counter-clockwise from north.
inline constexpr std::array<std::string_view, 16> kWindDirectionList = {
    "北", "北北西", "北西", "西北西", "西", "西南西", "南西", "南南西",
    "南", "南南東", "南東", "東南東", "東", "東北東", "北東", "北北東"};

inline constexpr std::array<std::string_view, 11> kWeatherList = {
    "快晴", "晴れ", "くもり", "雨", "雪", "みぞれ", "あられ", "ひょう", "雷", "霧", "不明"};
inline constexpr std::int32_t kUnknownWeather = 11;  // a word that was not recognised
inline constexpr std::string_view kUndeterminedWeatherName = "不明";

// Name -> code: the index in the list; not found gives 0 (direction) or 11 (weather).
std::int32_t DirectionCode(std::string_view name);
std::int32_t WeatherCode(std::string_view name);
// Code -> name: the list entry, or the empty text outside the list.
std::string DirectionName(std::int32_t code);
std::string WeatherName(std::int32_t code);

// The direction's name, or `calm` when there is no wind (force 0): a calm
// has no direction.
std::string WindDirectionText(std::int32_t direction, std::int32_t force, std::string_view calm = {});

}  // namespace nimbara
