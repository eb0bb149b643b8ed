#include "qt/WindowPlaceKeeper.h"

#include <QEvent>
#include <QScreen>

#include <algorithm>

namespace nimbara {
namespace {

ScreenRect ToScreenRect(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }

}  // namespace

void WindowPlaceKeeper::Place(QWidget* window, std::string_view name, const QWidget* map) {
  std::erase_if(m_windows, [](const auto& known) { return known.first.isNull(); });
  const auto known = std::find_if(m_windows.begin(), m_windows.end(),
                                  [window](const auto& entry) { return entry.first == window; });
  if (known == m_windows.end()) {
    m_windows.emplace_back(window, std::string(name));
    window->installEventFilter(this);
  }
  const auto remembered = m_places->find(std::string(name));
  const ScreenPoint place =
      PlaceWindow(CurrentDesk(map), FrameSize(*window), OpenFrames(),
                  remembered == m_places->end() ? std::nullopt : std::optional(remembered->second));
  window->move(place.x, place.y);
  (*m_places)[std::string(name)] = place;
}

bool WindowPlaceKeeper::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Move) return false;
  const auto known = std::find_if(m_windows.begin(), m_windows.end(),
                                  [watched](const auto& entry) { return entry.first == watched; });
  if (known != m_windows.end() && known->first->isVisible()) {
    const QPoint corner = known->first->frameGeometry().topLeft();
    (*m_places)[known->second] = {corner.x(), corner.y()};
  }
  return false;
}

Desk WindowPlaceKeeper::CurrentDesk(const QWidget* map) const {
  // The part of the map on screen: a map scrolled in its window shows only some.
  const QRect shown = map && !map->visibleRegion().isEmpty() ? map->visibleRegion().boundingRect()
                      : map                                  ? map->rect()
                                                             : QRect();
  const QRect mapRect = map ? QRect(map->mapToGlobal(shown.topLeft()), shown.size()) : m_mainWindow->geometry();
  return {ToScreenRect(m_mainWindow->screen()->availableGeometry()), ToScreenRect(m_mainWindow->frameGeometry()),
          ToScreenRect(mapRect)};
}

std::vector<ScreenRect> WindowPlaceKeeper::OpenFrames() const {
  std::vector<ScreenRect> frames;
  for (const auto& [window, name] : m_windows)
    if (window && window->isVisible()) frames.push_back(ToScreenRect(window->frameGeometry()));
  return frames;
}

ScreenSize WindowPlaceKeeper::FrameSize(QWidget& window) const {
  if (!window.testAttribute(Qt::WA_Resized)) window.adjustSize();  // as showing it would
  QSize frame = window.frameGeometry().size();
  // A window not shown yet has no frame: it will get one like the main window's.
  if (frame == window.size()) frame += m_mainWindow->frameGeometry().size() - m_mainWindow->size();
  return {frame.width(), frame.height()};
}

}  // namespace nimbara
