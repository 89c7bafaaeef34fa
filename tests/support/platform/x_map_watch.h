#pragma once
// Windows coming up on an X server, as a test that started a program on
// that server sees them: each window mapped on the root, and which of them
// are dialogs. Where the game is built without Xlib nothing can be watched.
#include <string>

namespace sorvanta {

class XMapWatch {
 public:
  // Connects to display and watches the root's windows from now on.
  explicit XMapWatch(const std::string& display);
  // Disconnects: Xlib ends the program when a server it is connected to goes.
  ~XMapWatch();
  XMapWatch(const XMapWatch&) = delete;
  XMapWatch& operator=(const XMapWatch&) = delete;

  bool connected() const { return display_ != nullptr; }
  // Whether a dialog (a window whose type says so, as a message box's does;
  // a program's main window is of the normal type) has been mapped since the
  // watch began, or is within timeoutMs. Other windows mapped meanwhile, in
  // any order, do not count.
  bool WaitForDialog(int timeoutMs);

 private:
  void* display_ = nullptr;
};

}  // namespace sorvanta
