#include "support/ScriptedUi.h"

namespace nimbara::testing {

std::string WindowName(WindowId id) {
  switch (id) {
    case WindowId::Tenki1: return "Tenki1";
    case WindowId::Kaiyou1: return "Kaiyou1";
    case WindowId::Gyogyou: return "Gyogyou";
    case WindowId::Teisei: return "Teisei";
    case WindowId::FrmAdjust: return "frmAdjust";
    case WindowId::Danmen: return "Danmen";
    case WindowId::Cont: return "Cont";
    case WindowId::RadioDictation: return "RadioDictation";
    case WindowId::Renshuu: return "Renshuu";
  }
  return "?";
}

void ScriptedUi::Message(const std::string& title, const std::string& text, MessageIcon icon) {
  messages.push_back({title, text, icon});
}

bool ScriptedUi::AskYesNo(const std::string& title, const std::string& text, bool) {
  questions.push_back(title + "|" + text);
  if (yesNoAnswers.empty()) return false;
  const bool answer = yesNoAnswers.front();
  yesNoAnswers.pop_front();
  return answer;
}

YesNoCancel ScriptedUi::AskYesNoCancel(const std::string& title, const std::string& text) {
  questions.push_back(title + "|" + text);
  if (yesNoCancelAnswers.empty()) return YesNoCancel::Cancel;
  const YesNoCancel answer = yesNoCancelAnswers.front();
  yesNoCancelAnswers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedUi::InputBox(const std::string& title, const std::string& prompt,
                                                const std::string&) {
  inputPrompts.push_back(title + "|" + prompt);
  if (inputAnswers.empty()) return std::nullopt;
  auto answer = inputAnswers.front();
  inputAnswers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedUi::ChooseFile(const ChooserRequest& request) {
  chooserRequests.push_back(request);
  if (chooserAnswers.empty()) return std::nullopt;
  auto answer = chooserAnswers.front();
  chooserAnswers.pop_front();
  return answer;
}

void ScriptedUi::ShowWindow(WindowId id) {
  windowEvents.push_back("show " + WindowName(id));
}
void ScriptedUi::HideWindow(WindowId id) { windowEvents.push_back("hide " + WindowName(id)); }
void ScriptedUi::BringForward(WindowId id) { windowEvents.push_back("forward " + WindowName(id)); }
void ScriptedUi::RefreshWindow(WindowId id) { windowEvents.push_back("refresh " + WindowName(id)); }
void ScriptedUi::ProcessEvents() { ++processEventsCalls; }
double ScriptedUi::TimeOfDaySeconds() {
  clock += clockStep;
  return clock;
}
void ScriptedUi::SetClipboardText(const std::string& text) {
  clipboardPicture.reset();
  clipboardText = text;
}
void ScriptedUi::SetClipboardPicture(const Picture& picture) {
  clipboardText.reset();
  clipboardPicture = picture;
}

}  // namespace nimbara::testing
