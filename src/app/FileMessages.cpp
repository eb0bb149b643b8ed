#include "app/FileMessages.h"

namespace nimbara {

void ReportUnsavedFile(Ui& ui, const std::string& path) {
  ui.Message("注　意", "ファイルを保存できませんでした\r\n" + path, MessageIcon::Warning);
}

}  // namespace nimbara
