#pragma once
// The one message after a paste: what kind of text was recognised, what it
// gave (stations with a pressure, ships, systems by kind) and what was
// skipped and why. The command line prints the same lines.

#include <string>
#include <string_view>
#include <vector>

#include "app/Ui.h"
#include "core/ObservationStore.h"
#include "io/ReadingNotes.h"

namespace nimbara {

enum class PastedForm { Unreadable, StationBulletin, SystemsBulletin, Manuscript };

struct PasteReport {
  explicit PasteReport(PastedForm pastedForm = PastedForm::Unreadable) : form(pastedForm) {}

  PastedForm form;
  bool stations = false;  // the paste rewrote the stations
  bool ships = false;     // ... the ship reports
  bool systems = false;   // ... the systems list
  ReadingNotes notes;
};

inline constexpr std::string_view kPasteTitle = "データの貼り付け";

// The report's lines, counted from the store as the paste left it.
std::vector<std::string> PasteReportLines(const PasteReport& report, const ObservationStore& store);

// One message box: information after a recognised paste, a warning after an
// unreadable one.
void ShowPasteReport(Ui& ui, const PasteReport& report, const ObservationStore& store);

}  // namespace nimbara
