#pragma once
// Qt wants a runtime folder that only this user can enter. The command line
// makes one per process (mkdtemp: never a name another user could have
// planted) and removes it at exit; a killed run cannot, so each start first
// removes the folders this user's ended runs left behind.

#include <string>

namespace nimbara {

// A new folder "nimbara-runtime-PID-XXXXXX" in `tempFolder`, after the stale
// ones are removed; empty when none could be made.
std::string MakePrivateRuntimeFolder(const std::string& tempFolder);

// Removes from `tempFolder` this user's runtime folders (never a link) whose
// process has ended, and the empty ones of the form without a process id
// (made by earlier versions) that are over an hour old.
void RemoveStaleRuntimeFolders(const std::string& tempFolder);

}  // namespace nimbara
