#pragma once
// Opens windows at the places app/WindowPlaces.h decides, and keeps where
// each one is (its first place, then wherever the person moves it), so that
// it reopens there and the settings file carries the place to the next start.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/WindowPlaces.h"

namespace nimbara {

class WindowPlaceKeeper : public QObject {
 public:
  explicit WindowPlaceKeeper(QWidget* mainWindow) : m_mainWindow(mainWindow) {}

  // Where the places are kept; until this is called, for the run only.
  void KeepIn(WindowPlaceMemory& places) { m_places = &places; }
  // Moves the hidden `window` to its place beside `map` (when given) and
  // follows its moves from then on.
  void Place(QWidget* window, std::string_view name, const QWidget* map);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Desk CurrentDesk(const QWidget* map) const;
  std::vector<ScreenRect> OpenFrames() const;
  ScreenSize FrameSize(QWidget& window) const;

  QWidget* m_mainWindow;
  WindowPlaceMemory m_runPlaces;
  WindowPlaceMemory* m_places = &m_runPlaces;
  std::vector<std::pair<QPointer<QWidget>, std::string>> m_windows;  // the windows placed so far
};

}  // namespace nimbara
