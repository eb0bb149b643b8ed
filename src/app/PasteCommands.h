#pragma once
// データの貼り付け: a pasted station bulletin or systems-and-fronts bulletin
// becomes observations and list rows; a pasted picture becomes the map's
// background.

#include <string>

#include "app/AppContext.h"

namespace nimbara {

// The menu command: the clipboard's text first, then its picture.
void cntPaste_Click(const AppContext& app);

// Where a paste leaves a copy of its text: the application in "Nimbara.$$$"
// of the state's temporary folder, the command line nowhere (two runs at
// once must not share a file).
enum class PastedCopy { TemporaryFile, None };

// What the paste does with a text: the command line pastes bulletin files
// through it.
void ImportBulletinText(const AppContext& app, const std::string& utf8Text,
                        PastedCopy copy = PastedCopy::TemporaryFile);

// Reads the text stored by the paste (after its round trip through the
// temporary file): a station bulletin fills stations and ships, anything else
// goes to ImportSystemsText.
void ImportObservationText(const AppContext& app, const std::string& storedText);

// Reads the stored text as a systems-and-fronts bulletin; a text that is not
// one changes nothing.
void ImportSystemsText(const AppContext& app, const std::string& storedText);

}  // namespace nimbara
