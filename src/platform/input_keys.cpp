// SDL key codes to the virtual key codes of input.h.
#include <utility>

#include "platform/input.h"
#include "platform/input_internal.h"

namespace sorvanta {

namespace {

// Keys other than letters, digits and F1..F12; two SDL keys may share a code.
const std::pair<SDL_Keycode, int> kKeys[] = {
    {SDLK_BACKSPACE, KEY_BACKSPACE}, {SDLK_TAB, KEY_TAB},       {SDLK_RETURN, KEY_ENTER},
    {SDLK_KP_ENTER, KEY_ENTER},      {SDLK_ESCAPE, KEY_ESCAPE}, {SDLK_SPACE, KEY_SPACE},
    {SDLK_LEFT, KEY_LEFT},           {SDLK_UP, KEY_UP},         {SDLK_RIGHT, KEY_RIGHT},
    {SDLK_DOWN, KEY_DOWN},           {SDLK_DELETE, KEY_DELETE}, {SDLK_LGUI, KEY_COMMAND},
    {SDLK_RGUI, KEY_COMMAND},        {SDLK_LSHIFT, KEY_LSHIFT}, {SDLK_RSHIFT, KEY_RSHIFT},
    {SDLK_LCTRL, KEY_LCONTROL},      {SDLK_RCTRL, KEY_RCONTROL}, {SDLK_LALT, KEY_LALT},
    {SDLK_RALT, KEY_RALT},
};

const SDL_Keycode kFunctionKeys[12] = {SDLK_F1, SDLK_F2, SDLK_F3, SDLK_F4,  SDLK_F5,  SDLK_F6,
                                       SDLK_F7, SDLK_F8, SDLK_F9, SDLK_F10, SDLK_F11, SDLK_F12};

}  // namespace

int VirtualKeyFromSdl(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return KEY_A + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return KEY_0 + (key - SDLK_0);
  for (int i = 0; i < 12; ++i)
    if (kFunctionKeys[i] == key) return KEY_F1 + i;
  for (const auto& [sdl, code] : kKeys)
    if (sdl == key) return code;
  return 0;
}

}  // namespace sorvanta
