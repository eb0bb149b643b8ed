#pragma once
// Files dropped on the main window: a data file loads as データファイル読みこみ
// loads the chosen file, a picture as 画像読みこみ does. One drop may hold one
// data file and one picture; together, the data file is loaded first and the
// picture then goes under the map it drew (the picture beside the data file
// gives way to it). Anything else is refused, with the reason, before
// anything is loaded.

#include <optional>
#include <string>
#include <vector>

#include "app/AppContext.h"

namespace nimbara {

struct DropPlan {
  std::optional<std::string> dataFile;
  std::optional<std::string> picture;
  std::string refusal;  // not empty: nothing is loaded and this is said
};

// What a drop of these files does, by their extensions (in any case): ".txt"
// a data file, the picture types of 画像読みこみ and ".jpeg" a picture.
DropPlan PlanDrop(const std::vector<std::string>& paths);

// Carries out the plan; a refusal is shown in a message.
void DropFiles(const AppContext& app, const std::vector<std::string>& paths);

}  // namespace nimbara
