#pragma once
// Windows coming up on an X server, as a test that started a program on
// that server sees them: each window mapped on the root. Where the game is
// built without Xlib nothing can be watched.
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
  // Forgets the windows mapped so far (the server has told all of them).
  void Forget();
  // Whether a window is mapped within timeoutMs, one not forgotten.
  bool WaitForMap(int timeoutMs);

 private:
  void* display_ = nullptr;
};

}  // namespace sorvanta
