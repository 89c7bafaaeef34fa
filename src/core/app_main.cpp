#include "core/app_main.h"

#include "platform/input.h"
#include "platform/video.h"

namespace sorvanta {

// Until the application shell stands, open a black window and wait for close.
int appMain(int, char**) {
  if (!Graphics(1024, 768, 0, 60, 0)) return 1;
  while (!AppTerminate()) {
    Cls();
    Flip(-1);
  }
  EndGraphics();
  return 0;
}

}  // namespace sorvanta
