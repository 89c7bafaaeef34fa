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

// Whether this program was built with AddressSanitizer: with the sanitizer
// build's unoptimised code the longest roads take several minutes.
constexpr bool BuiltWithSanitizer() {
#if defined(__SANITIZE_ADDRESS__)
  return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  return true;
#else
  return false;
#endif
#else
  return false;
#endif
}

}  // namespace sorvanta::test
