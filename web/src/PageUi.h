#pragma once
// The Ui of the web page: as the command line's, the file chooser answers with
// a path prepared before the command runs (a file the person picked, or the
// name to save under, which the page then downloads) and there are no windows
// and no clipboard; but messages appear in the page and questions are asked
// with the browser's confirmation box.

#include "app/HeadlessUi.h"

namespace nimbara {

class PageUi : public HeadlessUi {
 public:
  // The chooser's answer for the command about to run; nothing: cancelled.
  std::optional<std::string> chosenPath;

  std::optional<std::string> ChooseFile(const ChooserRequest&) override { return chosenPath; }
  void Message(const std::string& title, const std::string& text, MessageIcon icon) override;
  bool AskYesNo(const std::string& title, const std::string& text, bool defaultNo) override;
};

}  // namespace nimbara
