#pragma once

#include <sys/syscall.h>
#include <unistd.h>

#include <string>

namespace sorvanta::test {

// Whether this program runs under user-mode emulation (qemu-user): the
// emulator answers for /proc/self/exe with the program, but not for the
// thread's own link, which names the emulator.
inline bool UnderUserEmulation() {
  auto link = [](const std::string& path) {
    char target[4096];
    const ssize_t n = ::readlink(path.c_str(), target, sizeof target);
    return n < 0 ? std::string() : std::string(target, static_cast<size_t>(n));
  };
  const std::string thread = "/proc/self/task/" + std::to_string(::syscall(SYS_gettid)) + "/exe";
  return link("/proc/self/exe") != link(thread);
}

}  // namespace sorvanta::test
