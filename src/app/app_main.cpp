#include "app/app_main.h"

#include <cstdio>
#include <exception>
#include <new>

#include "app/app.h"

namespace sorvanta {

int appMain(int, char**) {
  try {
    createGlobals();
    createSingletons();
    init();
  } catch (const std::bad_alloc&) {
    // Ends as any other error does, with a line a player can read.
    std::fputs("Sorvanta: not enough memory to run\n", stderr);
    return -1;
  } catch (const std::exception& error) {
    // An error nothing else handled ends the program with its message.
    std::fprintf(stderr, "%s\n", error.what());
    return -1;
  }
}

}  // namespace sorvanta
