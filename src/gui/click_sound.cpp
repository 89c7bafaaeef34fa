#include "gui/click_sound.h"

#include <utility>

namespace sorvanta {

namespace {

std::function<void()>& bound() {
  static std::function<void()> play;
  return play;
}

}  // namespace

void bindClickSound(std::function<void()> play) { bound() = std::move(play); }

void playClickSound() {
  if (bound()) bound()();
}

}  // namespace sorvanta
