#pragma once
// Outputs of one run that would overwrite each other or an input: refused
// before anything is drawn or written.

#include <string>
#include <vector>

namespace nimbara {

// Why the outputs cannot be written ("out/map.png would be written twice",
// "in.txt is an input"), or the empty text when they can. Names that lead to
// the same file (through links or "..") are the same file.
// With `sources` (the input each output is drawn from, in the order of the
// outputs), two outputs that collide are named by the inputs they come from.
std::string OutputClash(const std::vector<std::string>& outputs, const std::vector<std::string>& inputs,
                        const std::vector<std::string>& sources = {});

// Whether two names lead to the same file, by the rule above.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace nimbara
