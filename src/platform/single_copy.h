#pragma once
// One copy of the game per per-user folder: an advisory lock on the folder
// itself, which no name inside it can get round and which the kernel lets
// go when the process ends, however it ends.
#include <string>

namespace sorvanta {

enum class CopyLock {
  kTaken,          // this process holds it for the rest of its run
  kHeldElsewhere,  // another process holds it: a copy is running
  kUnavailable,    // the folder cannot be opened or locked
};

// Takes the lock on the folder (links followed). Asking again for the same
// folder keeps the lock held; another folder lets the old one go.
CopyLock TakeCopyLock(const std::string& folder);
// Lets the lock go (tests).
void ReleaseCopyLock();
// Whether path is the locked folder or lies inside it while the folder's
// name no longer leads to the folder locked (moved away, another in its
// place): what is written by that name would land in another copy's files.
bool LockedFolderMoved(const std::string& path);

}  // namespace sorvanta
