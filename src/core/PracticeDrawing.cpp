#include "core/PracticeDrawing.h"

namespace nimbara {

std::string_view CentreMarkText(CentreMarkKind kind) { return kind == CentreMarkKind::High ? "高" : "低"; }

}  // namespace nimbara
