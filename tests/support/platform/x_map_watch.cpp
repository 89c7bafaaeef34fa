// Windows coming up on an X server, read from the server's own events.
#include "platform/x_map_watch.h"

#if defined(SORVANTA_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <chrono>
#endif

namespace sorvanta {

#if defined(SORVANTA_X11)

namespace {

Display* Of(void* display) { return static_cast<Display*>(display); }

// A window gone before its type is read is no dialog: the error says so
// and must not end the test program, as Xlib's own handler would.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

bool IsDialog(Display* d, Window w) {
  const Atom type = XInternAtom(d, "_NET_WM_WINDOW_TYPE", False);
  const Atom dialog = XInternAtom(d, "_NET_WM_WINDOW_TYPE_DIALOG", False);
  const auto before = XSetErrorHandler(IgnoreError);
  Atom got = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  const bool read = XGetWindowProperty(d, w, type, 0, 16, False, XA_ATOM, &got, &format, &count, &after, &data) ==
                    Success;
  XSync(d, False);
  XSetErrorHandler(before);
  bool found = false;
  if (read && data && got == XA_ATOM && format == 32) {
    const auto* atoms = reinterpret_cast<const Atom*>(data);
    for (unsigned long i = 0; i < count; ++i) found = found || atoms[i] == dialog;
  }
  if (data) XFree(data);
  return found;
}

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

bool XMapWatch::WaitForDialog(int timeoutMs) {
  if (!display_) return false;
  Display* d = Of(display_);
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    // A program sets its window's type before it maps the window, and the
    // server keeps one client's requests in order: read at the map, the
    // type is there.
    while (XPending(d) > 0) {
      XEvent e;
      XNextEvent(d, &e);
      if (e.type == MapNotify && IsDialog(d, e.xmap.window)) return true;
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
bool XMapWatch::WaitForDialog(int) { return false; }

#endif

}  // namespace sorvanta
