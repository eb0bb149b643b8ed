// The data file reader on arbitrary bytes: parsed, then applied to a store.
#include <cstddef>
#include <cstdint>
#include <string>

#include "io/Cp932.h"
#include "io/DataFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto contents = nimbara::ParseDataFile(nimbara::DecodeCp932(bytes).text);
  if (contents) {
    nimbara::ObservationStore store;
    nimbara::ApplyDataFile(*contents, store);
    nimbara::Settings settings;
    for (const auto& line : contents->settingLines) nimbara::ApplySettingLine(settings, line);
  }
  return 0;
}
