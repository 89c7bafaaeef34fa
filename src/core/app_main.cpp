#include "core/app_main.h"

#include <SDL.h>

namespace sorvanta {

// Until the application shell stands, open a black window and wait for close.
int appMain(int, char**) {
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
  SDL_Window* w = SDL_CreateWindow("Sorvanta", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1024, 768, 0);
  if (!w) { SDL_Quit(); return 1; }
  bool running = true;
  while (running) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) if (e.type == SDL_QUIT) running = false;
    SDL_Delay(16);
  }
  SDL_DestroyWindow(w);
  SDL_Quit();
  return 0;
}

}  // namespace sorvanta
