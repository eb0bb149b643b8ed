#pragma once
// Reading numbers back out of drawing-log lines, for checks of geometry that
// the log's four decimals cannot state exactly.

#include <sstream>
#include <string>
#include <vector>

namespace nimbara::testing {

// The numeric fields of a log line, skipping the operation name and any
// field that is not a number (colours, "-").
inline std::vector<double> NumbersOf(const std::string& line) {
  std::istringstream in(line);
  std::vector<double> numbers;
  std::string field;
  in >> field;
  while (in >> field) {
    try {
      std::size_t used = 0;
      const double value = std::stod(field, &used);
      if (used == field.size()) numbers.push_back(value);
    } catch (const std::exception&) {
    }
  }
  return numbers;
}

inline std::vector<std::string> WithPrefix(const std::vector<std::string>& lines, const std::string& prefix) {
  std::vector<std::string> out;
  for (const auto& line : lines) {
    if (line.rfind(prefix, 0) == 0) out.push_back(line);
  }
  return out;
}

}  // namespace nimbara::testing
