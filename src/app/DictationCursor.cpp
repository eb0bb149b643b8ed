#include "app/DictationCursor.h"

#include <algorithm>

namespace nimbara {

void DictationCursor::Open(const ObservationStore& store) {
  m_broadcast = FirstStationWithoutReport(store);
  MoveTo(m_broadcast);
}

void DictationCursor::MoveTo(int slot) {
  m_station = std::clamp(slot, 0, kDictatedStationCount - 1);
  m_done = false;
  m_held.reset();
}

LineOutcome DictationCursor::Enter(const AppContext& app, std::string_view line) {
  const HeldLine entered{m_station, std::string(line)};
  if (m_held != entered) {
    m_held.reset();
    if (std::optional<std::string> question = ReplacementQuestion(app.state.store, m_station, line)) {
      m_held = entered;
      return {m_station, false, std::move(*question)};
    }
  }
  m_held.reset();
  LineOutcome outcome = EnterStationLine(app, m_station, line);
  if (!outcome.reason.empty()) return outcome;
  if (m_station < m_broadcast) {
    // A correction: back to where the broadcast is.
    outcome.cursor = std::min(m_broadcast, kDictatedStationCount - 1);
    outcome.done = m_broadcast >= kDictatedStationCount;
  } else {
    m_broadcast = m_station + 1;
  }
  m_station = outcome.cursor;
  m_done = outcome.done;
  return outcome;
}

}  // namespace nimbara
