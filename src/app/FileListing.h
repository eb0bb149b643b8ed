#pragma once
// File lists as the slide show and the browse buttons see them: the files of
// a folder whose names match a pattern, in name order (the chooser lists
// them in the same order), and the process's
// current directory that bare file names are opened against.

#include <string>
#include <string_view>
#include <vector>

namespace nimbara {

// "*" and "?" wildcards, letters compared without case; several patterns may
// be given separated by ";". "*.*" matches every name, with or without ".".
bool MatchesFilePattern(std::string_view name, std::string_view pattern);

// The names (not paths) of the regular files of `folder` that match
// `pattern`, in name order: by code point, so "B" before "a" and names that
// begin with a date and hour from oldest to newest. An unreadable folder lists
// nothing.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern);

// The process's current directory, with "/" separators; empty when unknown.
std::string CurrentDirectory();
// Makes `folder` the current directory; false when it cannot.
bool SetCurrentDirectory(const std::string& folder);
// Makes `folder` the current directory when it can be both entered and
// listed; false, changing nothing, when it cannot (gone, no permission).
bool EnterFolder(const std::string& folder);

}  // namespace nimbara
