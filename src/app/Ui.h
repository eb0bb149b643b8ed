#pragma once
// What a command needs from the person in front of it. The real windows
// implement it in the Qt shell, tests script it, the command line answers
// without asking.

#include <functional>
#include <optional>
#include <string>

#include "core/Colour.h"
#include "core/Picture.h"

namespace nimbara {

enum class MessageIcon { None, Information, Warning };

enum class YesNoCancel { Yes, No, Cancel };

// The windows a command can show, hide or bring forward.
enum class WindowId { Tenki1, Kaiyou1, Gyogyou, Teisei, FrmAdjust, Danmen, Cont, RadioDictation, Renshuu };

// A request for the file chooser (the commands' requests are in
// app/ChooserRequests.h).
struct ChooserRequest {
  std::string caption;
  std::string pattern;                 // "*.txt"
  std::optional<Colour> background;    // unchanged when not given
  bool showImageOptions = false;       // the image-type options (kImageTypes)
  // A save: a name that does not exist yet is accepted, and the person is
  // asked before a file is replaced.
  bool saving = false;
  // For a save: the file a chosen path is written as (its extension rule), so
  // that the chooser asks about overwriting that file. None: the path itself.
  std::function<std::string(const std::string&)> savedName = nullptr;
};

class Ui {
 public:
  virtual ~Ui() = default;

  virtual void Message(const std::string& title, const std::string& text, MessageIcon icon) = 0;
  // Yes -> true. `defaultNo` makes No the default button.
  virtual bool AskYesNo(const std::string& title, const std::string& text, bool defaultNo = false) = 0;
  // Yes is the default button; closing the box answers Cancel.
  virtual YesNoCancel AskYesNoCancel(const std::string& title, const std::string& text) = 0;
  // The answer, or nothing when cancelled.
  virtual std::optional<std::string> InputBox(const std::string& title, const std::string& prompt,
                                              const std::string& defaultText) = 0;
  // The chosen path, or nothing when cancelled.
  virtual std::optional<std::string> ChooseFile(const ChooserRequest& request) = 0;

  // Windows; the shell chooses where a window opens.
  virtual void ShowWindow(WindowId id) = 0;
  virtual void HideWindow(WindowId id) = 0;
  virtual void BringForward(WindowId id) = 0;
  // The rows or fields of a window changed in the state; its widgets follow.
  virtual void RefreshWindow(WindowId id) = 0;

  virtual void ProcessEvents() = 0;
  // Seconds since midnight, for the slide show's pauses.
  virtual double TimeOfDaySeconds() = 0;

  virtual std::optional<std::string> ClipboardText() = 0;
  virtual std::optional<Picture> ClipboardPicture() = 0;
  virtual void SetClipboardText(const std::string& text) = 0;
  virtual void SetClipboardPicture(const Picture& picture) = 0;
};

}  // namespace nimbara
