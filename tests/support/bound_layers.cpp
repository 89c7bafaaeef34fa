// Every test runs with the lower layers' seams bound as the game binds them
// at start-up, so that a screen tested alone draws, clicks and quits as it
// does in the game.
#include "app/bindings.h"

namespace {

const bool kBound = (sorvanta::bindLayers(), true);

}  // namespace
