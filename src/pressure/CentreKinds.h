#pragma once
// The system kinds that mark a pressure centre, and their map marks.

#include <string_view>

namespace nimbara {

// Set A: low, high and typhoon; set B adds the tropical depression.
enum class CentreKinds { SetA, SetB };

bool IsCentreKind(std::string_view kind, CentreKinds set);

// "高", "低", "台" or "熱低"; empty for a kind without a mark.
std::string_view CentreMark(std::string_view kind);

}  // namespace nimbara
