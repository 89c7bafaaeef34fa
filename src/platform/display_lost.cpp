// The display going away: Xlib's fatal I/O error made the game's way out.
#include "platform/display_lost.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <utility>

#ifdef SORVANTA_X11
#include <X11/Xlib.h>
#endif

namespace sorvanta {

namespace {

// Whatever ends the process here ends it as the game's way out does: with an
// error's status, -1 (255).
constexpr int kLostStatus = -1;

volatile std::sig_atomic_t g_lost = 0;
pid_t g_game = 0;

std::function<void(const std::string&)>& Handler() {
  static auto* handler = new std::function<void(const std::string&)>;
  return *handler;
}

void Lost(const std::string& display) {
  // A forked child (the X11 message box opens its own connection) only goes:
  // the game itself saves.
  if (g_game != 0 && ::getpid() != g_game) ::_exit(1);
  // Lost again while ending (a call the way out made): just end.
  if (g_lost) {
    std::fflush(nullptr);
    ::_exit(kLostStatus);
  }
  g_lost = 1;
  if (Handler()) Handler()(display);
}

#ifdef SORVANTA_X11
// Xlib exits as soon as this returns, so it never does.
int OnXConnectionLost(Display* display) {
  const char* name = display ? DisplayString(display) : nullptr;
  Lost(name ? name : "");
  std::fflush(nullptr);
  ::_exit(kLostStatus);
}
#endif

}  // namespace

void SetDisplayLostHandler(std::function<void(const std::string& display)> handler) {
  Handler() = std::move(handler);
}

bool DisplayLost() { return g_lost != 0; }

void WatchDisplay() {
  g_game = ::getpid();
#ifdef SORVANTA_X11
  // Process-wide in Xlib: it covers SDL's connection, and the message box's.
  XSetIOErrorHandler(OnXConnectionLost);
#endif
}

void LoseDisplayForTests(const std::string& display) { Lost(display); }

void ResetDisplayLostForTests() { g_lost = 0; }

}  // namespace sorvanta
