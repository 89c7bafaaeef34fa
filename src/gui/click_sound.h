#pragma once
// The sound a widget makes when clicked. The sound registry sits above the
// gui, so the start-up binds the sound to play; unbound, a click is silent.
#include <functional>

namespace sorvanta {

void bindClickSound(std::function<void()> play);
void playClickSound();

}  // namespace sorvanta
