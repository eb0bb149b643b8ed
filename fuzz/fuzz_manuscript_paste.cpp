// Arbitrary pasted text through the two readers of the broadcast manuscript
// and the station-report reader they share.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "io/ScanText.h"
#include "io/StationLine.h"
#include "io/StationManuscript.h"
#include "io/SystemsManuscript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nimbara;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const ScanText text(bytes);
  ReadStationManuscript(text);
  ReadSystemsManuscript(text);
  ReadStationFields(bytes, ReportForm::Bulletin);
  return 0;
}
