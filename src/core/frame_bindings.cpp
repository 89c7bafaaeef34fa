#include "core/frame_bindings.h"

#include <utility>

#include "platform/system.h"

namespace sorvanta {

namespace {

TFrameBindings& bound() {
  static TFrameBindings bindings;
  return bindings;
}

}  // namespace

void bindFrame(TFrameBindings bindings) { bound() = std::move(bindings); }

const TFrameBindings& frameBindings() { return bound(); }

void quitGame(int status) {
  if (bound().quit) bound().quit(status);
  // A quit that came back (or none bound) still ends the process.
  End(status);
}

}  // namespace sorvanta
