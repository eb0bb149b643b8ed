#pragma once
// The Ui of the command line: nobody to ask. Questions are answered Yes,
// messages go to standard error, the chooser is cancelled (commands are
// handed their paths), windows do not exist.

#include <optional>
#include <string>

#include "app/Ui.h"

namespace nimbara {

class HeadlessUi : public Ui {
 public:
  void Message(const std::string& title, const std::string& text, MessageIcon icon) override;
  bool AskYesNo(const std::string& title, const std::string& text, bool defaultNo) override;
  YesNoCancel AskYesNoCancel(const std::string&, const std::string&) override { return YesNoCancel::Yes; }
  std::optional<std::string> InputBox(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseFile(const ChooserRequest&) override { return std::nullopt; }
  void ShowWindow(WindowId) override {}
  void HideWindow(WindowId) override {}
  void BringForward(WindowId) override {}
  void RefreshWindow(WindowId) override {}
  void ProcessEvents() override {}
  double TimeOfDaySeconds() override;
  std::optional<std::string> ClipboardText() override { return std::nullopt; }
  std::optional<Picture> ClipboardPicture() override { return std::nullopt; }
  void SetClipboardText(const std::string&) override {}
  void SetClipboardPicture(const Picture&) override {}
};

}  // namespace nimbara
