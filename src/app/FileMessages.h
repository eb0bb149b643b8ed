#pragma once
// Messages of the file commands. Each names the file and the reason the
// system gave, in the user's words.

#include <string>
#include <string_view>

#include "app/Ui.h"
#include "io/FieldWriter.h"
#include "io/FileIo.h"

namespace nimbara {

// Why a file could not be read or written ("ディスクの空きが足りません").
std::string FileFaultText(const FileStatus& status);

// A save that failed: the earlier file (if any) is still in place.
void ReportUnsavedFile(Ui& ui, const FileStatus& status);
// A chosen file that could not be read as a file of `kind` ("観測データ").
void ReportUnreadFile(Ui& ui, std::string_view kind, const FileStatus& status);
// Reports a failed save of `path`, or one whose characters without a CP932
// form were written as "?" (one message listing them). True when saved.
bool ReportSave(Ui& ui, const std::string& path, const TextFileSave& save);

}  // namespace nimbara
