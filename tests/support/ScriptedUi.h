#pragma once
// A Ui for tests: answers are queued in advance, everything shown is recorded.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/Ui.h"

namespace nimbara::testing {

struct RecordedMessage {
  std::string title;
  std::string text;
  MessageIcon icon;
};

class ScriptedUi : public Ui {
 public:
  // Queued answers; an empty queue answers No / cancel.
  std::deque<bool> yesNoAnswers;
  std::deque<YesNoCancel> yesNoCancelAnswers;  // an empty queue answers Cancel
  std::deque<std::optional<std::string>> inputAnswers;
  std::deque<std::optional<std::string>> chooserAnswers;

  // What the commands did.
  std::vector<RecordedMessage> messages;
  std::vector<std::string> questions;  // "title|text", of both kinds of question
  std::vector<std::string> inputPrompts;
  std::vector<ChooserRequest> chooserRequests;
  std::vector<std::string> windowEvents;  // "show Tenki1", "hide Teisei", ...
  int processEventsCalls = 0;
  double clock = 0.0;           // TimeOfDaySeconds; advances by clockStep per call
  double clockStep = 0.25;

  std::optional<std::string> clipboardText;
  std::optional<Picture> clipboardPicture;

  void Message(const std::string& title, const std::string& text, MessageIcon icon) override;
  bool AskYesNo(const std::string& title, const std::string& text, bool defaultNo) override;
  YesNoCancel AskYesNoCancel(const std::string& title, const std::string& text) override;
  std::optional<std::string> InputBox(const std::string& title, const std::string& prompt,
                                      const std::string& defaultText) override;
  std::optional<std::string> ChooseFile(const ChooserRequest& request) override;
  void ShowWindow(WindowId id) override;
  void HideWindow(WindowId id) override;
  void BringForward(WindowId id) override;
  void RefreshWindow(WindowId id) override;
  void ProcessEvents() override;
  double TimeOfDaySeconds() override;
  std::optional<std::string> ClipboardText() override { return clipboardText; }
  std::optional<Picture> ClipboardPicture() override { return clipboardPicture; }
  void SetClipboardText(const std::string& text) override;
  void SetClipboardPicture(const Picture& picture) override;
};

std::string WindowName(WindowId id);

}  // namespace nimbara::testing
