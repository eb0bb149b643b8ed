#pragma once
// データの貼り付け: a pasted text becomes observations and list rows, and one
// message says what was read; a pasted picture becomes the map's background.
// One reading finds whatever the text holds (io/PastedText.h): station
// reports, ship reports, systems and fronts, in the agency's layouts or the
// broadcast's sentences. A text that holds none of them changes nothing.

#include <string>

#include "app/AppContext.h"
#include "app/PasteReport.h"

namespace nimbara {

// The menu command: the clipboard's text first (with its report), then its
// picture.
void cntPaste_Click(const AppContext& app);

// Where a paste leaves a copy of its text: the application in "Nimbara.$$$"
// of the state's temporary folder, the command line nowhere (two runs at
// once must not share a file).
enum class PastedCopy { TemporaryFile, None };

// What the paste does with a text, without the message: the command line
// pastes bulletin files through it and prints the report itself.
PasteReport ImportBulletinText(const AppContext& app, const std::string& utf8Text,
                               PastedCopy copy = PastedCopy::TemporaryFile);

// Reads a text as the paste stores it (see StoreBulletinText) and applies
// what it gives: the stations it gives replace theirs, and of the others
// those of another observation time are emptied and those of the same time
// kept (both named in the report); ship reports replace the ship list,
// systems the systems list. Fills the rows, shows the entry windows it
// filled, and takes the text's title as the observation date.
PasteReport ImportObservationText(const AppContext& app, const std::string& storedText);

}  // namespace nimbara
