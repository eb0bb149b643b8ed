#include "pressure/CentreKinds.h"

#include "core/CodeTables.h"

namespace nimbara {

bool IsCentreKind(std::string_view kind, CentreKinds set) {
  if (kind == kind::kLow || kind == kind::kHigh || kind == kind::kTyphoon) return true;
  return set == CentreKinds::SetB && kind == kind::kTropicalDepression;
}

std::string_view CentreMark(std::string_view kind) {
  if (kind == kind::kHigh) return "高";
  if (kind == kind::kLow) return "低";
  if (kind == kind::kTyphoon) return "台";
  if (kind == kind::kTropicalDepression) return "熱低";
  return {};
}

}  // namespace nimbara
