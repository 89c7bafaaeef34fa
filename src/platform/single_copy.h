#pragma once
// One copy of the game per per-user folder: an advisory lock on a file there,
// which the kernel lets go when the process ends, however it ends.
#include <string>

namespace sorvanta {

enum class CopyLock {
  kTaken,          // this process holds it for the rest of its run
  kHeldElsewhere,  // another process holds it: a copy is running
  kUnavailable,    // the file cannot be opened (a folder that cannot be written)
};

// Takes the lock on the file at path, made when missing. Asking again for
// the same path keeps the lock held; another path lets the old one go.
CopyLock TakeCopyLock(const std::string& path);
// Lets the lock go (tests).
void ReleaseCopyLock();

}  // namespace sorvanta
