#include "campaign/placeholders.h"

namespace sorvanta {

std::shared_ptr<TProfileManager> profileManager;
std::shared_ptr<TMoreGames> moreGames;
std::shared_ptr<TMapScreen> mapScreen;
std::shared_ptr<TStageScreen> stageScreen;
std::shared_ptr<TPickTryb> pickTryb;
std::shared_ptr<TCredits> credits;
std::shared_ptr<TOutro> outro;
std::shared_ptr<TQuestContinue> continueQuest;

}  // namespace sorvanta
