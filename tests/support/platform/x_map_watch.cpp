// Windows coming up on an X server, read from the server's own events.
#include "platform/x_map_watch.h"

#if defined(SORVANTA_X11)
#include <X11/Xlib.h>
#include <poll.h>

#include <chrono>
#endif

namespace sorvanta {

#if defined(SORVANTA_X11)

namespace {
Display* Of(void* display) { return static_cast<Display*>(display); }
}  // namespace

XMapWatch::XMapWatch(const std::string& display) {
  Display* d = XOpenDisplay(display.c_str());
  if (!d) return;
  XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
  XSync(d, False);
  display_ = d;
}

XMapWatch::~XMapWatch() {
  if (display_) XCloseDisplay(Of(display_));
}

void XMapWatch::Forget() {
  if (!display_) return;
  XSync(Of(display_), False);  // every event before the round trip is in the queue
  for (XEvent e; XPending(Of(display_)) > 0;) XNextEvent(Of(display_), &e);
}

bool XMapWatch::WaitForMap(int timeoutMs) {
  if (!display_) return false;
  Display* d = Of(display_);
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    while (XPending(d) > 0) {
      XEvent e;
      XNextEvent(d, &e);
      if (e.type == MapNotify) return true;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd readable{ConnectionNumber(d), POLLIN, 0};
    ::poll(&readable, 1, static_cast<int>(left.count()));
  }
}

#else

XMapWatch::XMapWatch(const std::string&) {}
XMapWatch::~XMapWatch() = default;
void XMapWatch::Forget() {}
bool XMapWatch::WaitForMap(int) { return false; }

#endif

}  // namespace sorvanta
