// Registers the story's states with the state machine.
#include "story/story_states.h"

#include "core/states.h"
#include "story/intro.h"
#include "story/outro.h"

namespace sorvanta {

void registerStoryStates() {
  registerState(kStateIntro, [] { return intro ? intro->mainloop() : std::string(kStateMainGame); });
  registerState(kStateOutro, [] { return outro->mainloop(); });
}

}  // namespace sorvanta
