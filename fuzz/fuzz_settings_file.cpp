// The settings reader on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "io/Cp932.h"
#include "io/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  nimbara::Settings settings;
  nimbara::ReadSettingsText(nimbara::DecodeCp932(bytes).text, settings);
  nimbara::SettingsFileLines(settings);
  return 0;
}
