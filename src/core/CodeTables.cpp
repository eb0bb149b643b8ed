#include "core/CodeTables.h"

#include <algorithm>

namespace nimbara {
namespace {

template <std::size_t N>
std::int32_t IndexOf(const std::array<std::string_view, N>& list, std::string_view name, std::int32_t missing) {
  const auto it = std::find(list.begin(), list.end(), name);
  return it == list.end() ? missing : static_cast<std::int32_t>(it - list.begin());
}

template <std::size_t N>
std::string EntryAt(const std::array<std::string_view, N>& list, std::int32_t code) {
  if (code < 0 || code >= static_cast<std::int32_t>(N)) return {};
  return std::string(list[static_cast<std::size_t>(code)]);
}

}  // namespace

std::int32_t DirectionCode(std::string_view name) { return IndexOf(kWindDirectionList, name, 0); }
std::int32_t WeatherCode(std::string_view name) { return IndexOf(kWeatherList, name, kUnknownWeather); }
std::string DirectionName(std::int32_t code) { return EntryAt(kWindDirectionList, code); }
std::string WeatherName(std::int32_t code) { return EntryAt(kWeatherList, code); }

std::string WindDirectionText(std::int32_t direction, std::int32_t force, std::string_view calm) {
  return force != 0 ? DirectionName(direction) : std::string(calm);
}

}  // namespace nimbara
