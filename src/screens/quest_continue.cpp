#include "screens/quest_continue.h"

namespace sorvanta {

std::shared_ptr<TQuestContinue> continueQuest;

}  // namespace sorvanta
