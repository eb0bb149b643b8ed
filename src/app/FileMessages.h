#pragma once
// Messages of the file commands.

#include <string>

#include "app/Ui.h"

namespace nimbara {

// A save that failed: the earlier file (if any) is still in place.
void ReportUnsavedFile(Ui& ui, const std::string& path);

}  // namespace nimbara
