// The web edition's reader of the archives it saves, on arbitrary bytes: what
// it reads, written again, reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>

#include "web/StoredZip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto entries = nimbara::ReadStoredZip(bytes);
  if (entries && nimbara::ReadStoredZip(nimbara::StoredZip(*entries, std::tm{})) != entries) std::abort();
  return 0;
}
