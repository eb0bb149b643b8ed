#pragma once
// Files between the browser and the commands: what the person chose, in the
// open folder, and what a save wrote, in the save folder (PageFolder.h).

#include <optional>
#include <string>
#include <vector>

#include "app/AppContext.h"

namespace nimbara {

// The save folder's files made one download, as browsers at their default
// settings deliver one file per click: the one file, or an archive of them
// all named after the data file `dataName`. A message says what was saved.
// Gives the download's path; nothing when the save wrote nothing.
std::optional<std::string> PackSavedFiles(Ui& ui, const std::string& dataName);

// The archives among the chosen files unpacked beside them (one that cannot
// be read stays), and the pictures beside the data file that opening it
// reads: the browser decodes them first.
std::vector<std::string> UnpackChosenFiles();

// データファイル読みこみ of the chosen data file, as named. Without one (or with
// an archive that could not be read) a message says what to choose. True when
// the file was opened.
bool OpenChosenDataFile(const AppContext& app);

}  // namespace nimbara
