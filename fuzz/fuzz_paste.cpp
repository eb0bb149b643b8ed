// Arbitrary pasted text through the one reading of pasted text (stations,
// ships, systems in every layout, with its account) and the station-report
// reader the dictated line shares.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "io/PastedText.h"
#include "io/StationLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nimbara;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ReadPastedText(bytes);
  ReadStationFields(bytes, ReportForm::Bulletin);
  return 0;
}
