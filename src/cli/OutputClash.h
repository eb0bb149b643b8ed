#pragma once
// Outputs of one run that would overwrite each other or an input: refused
// before anything is drawn or written.

#include <string>
#include <vector>

namespace nimbara {

// Why the outputs cannot be written ("out/map.png would be written twice",
// "in.txt is an input"), or the empty text when they can. Names that lead to
// the same file (through links or "..") are the same file.
std::string OutputClash(const std::vector<std::string>& outputs, const std::vector<std::string>& inputs);

}  // namespace nimbara
