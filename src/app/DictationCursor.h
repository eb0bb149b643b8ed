#pragma once
// The station cursor of the radio dictation: which station the next quick
// line goes to. The desktop window and the web page keep one each.
//
// The cursor follows the broadcast, which reads the stations in order. A
// pupil may go back (↑) to correct a station; the line after the correction
// belongs to where the broadcast has got to meanwhile, so the cursor returns
// there. A line that would replace a station's report is held until a second
// ⏎, with the report it would replace shown, so that no report is lost
// silently.

#include <optional>
#include <string>
#include <string_view>

#include "app/Dictation.h"

namespace nimbara {

class DictationCursor {
 public:
  // As the window opens: on the first station without a report, where the
  // broadcast is taken to be.
  void Open(const ObservationStore& store);

  // ↑, ↓ or a choice in the table: the cursor to `slot`, kept within the
  // stations. A held line is let go.
  void MoveTo(int slot);

  int Station() const { return m_station; }
  // The broadcast has gone past the last station: the ships come next.
  bool StationsDone() const { return m_done; }

  // ⏎ on the station line. The outcome's reason also carries the question
  // when the line is held for a second ⏎.
  LineOutcome Enter(const AppContext& app, std::string_view line);

 private:
  struct HeldLine {
    int slot;
    std::string line;
    bool operator==(const HeldLine&) const = default;
  };

  int m_station = 0;
  int m_broadcast = 0;  // the first station the broadcast has not read yet
  bool m_done = false;
  std::optional<HeldLine> m_held;
};

}  // namespace nimbara
