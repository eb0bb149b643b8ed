#pragma once
// The Ui of the real windows: message boxes, input boxes, the file chooser
// it is given (the windows' frmOpenSave), the clipboard, and the windows a
// command can show by their id.

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>

#include "app/Ui.h"
#include "qt/ToolWindow.h"
#include "qt/WindowPlaceKeeper.h"

namespace nimbara {

class QtUi : public Ui {
 public:
  // Shows the file chooser modally: the chosen path, or nothing when cancelled.
  using FileChooser = std::function<std::optional<std::string>(const ChooserRequest&)>;

  // Boxes are centred on `mainWindow`, windows placed beside it.
  QtUi(QWidget* mainWindow, FileChooser chooser);

  // A window that exists now; `tool` (may be null) is refreshed by RefreshWindow.
  void RegisterWindow(WindowId id, QWidget* widget, ToolWindow* tool);
  // A window created on first use, by Window() or any window command.
  struct Created {
    QWidget* widget = nullptr;
    ToolWindow* tool = nullptr;
  };
  void RegisterFactory(WindowId id, std::function<Created()> factory);
  // The window, created if it has a factory; null when unknown.
  QWidget* Window(WindowId id);
  // The map surface, repainted whenever events are processed during a run;
  // windows open beside it.
  void SetMapSurface(QWidget* map) { m_mapSurface = map; }
  // Where the windows' places are kept (app/WindowPlaces.h).
  void RememberPlacesIn(WindowPlaceMemory& places) { m_placeKeeper.KeepIn(places); }
  // Moves a hidden window that is not shown by its id (a modal dialog) to
  // its place and keeps where it is moved.
  void PlaceWindow(QWidget* window, std::string_view placeName);
  // The end of the program: every window hidden, and none shown again (a run
  // that ends after the main window closed must not bring its window back).
  void EndAllWindows();

  void Message(const std::string& title, const std::string& text, MessageIcon icon) override;
  bool AskYesNo(const std::string& title, const std::string& text, bool defaultNo = false) override;
  YesNoCancel AskYesNoCancel(const std::string& title, const std::string& text) override;
  std::optional<std::string> InputBox(const std::string& title, const std::string& prompt,
                                      const std::string& defaultText) override;
  std::optional<std::string> ChooseFile(const ChooserRequest& request) override;

  // Windows are stacked beside the map: an offset is not needed.
  void ShowWindow(WindowId id) override;
  void HideWindow(WindowId id) override;
  void BringForward(WindowId id) override;
  void RefreshWindow(WindowId id) override;

  void ProcessEvents() override;
  double TimeOfDaySeconds() override;

  std::optional<std::string> ClipboardText() override;
  std::optional<Picture> ClipboardPicture() override;
  void SetClipboardText(const std::string& text) override;
  void SetClipboardPicture(const Picture& picture) override;

 private:
  struct Entry {
    QPointer<QWidget> widget;
    ToolWindow* tool = nullptr;
    std::function<Created()> factory;
  };
  Entry* Find(WindowId id);

  QWidget* m_mainWindow;
  FileChooser m_chooser;
  QPointer<QWidget> m_mapSurface;
  std::map<WindowId, Entry> m_windows;
  WindowPlaceKeeper m_placeKeeper;
  bool m_ended = false;
};

}  // namespace nimbara
