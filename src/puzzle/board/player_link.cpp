// The bindings of the current player.
#include "puzzle/board/player_link.h"

#include <utility>

namespace sorvanta {

namespace {
std::function<std::string()>& Source() {
  static std::function<std::string()> source;
  return source;
}
TPlayerBindings& Player() {
  static TPlayerBindings player;
  return player;
}
}  // namespace

void BindPlayerGameType(std::function<std::string()> source) { Source() = std::move(source); }

std::string PlayerGameType() { return Source() ? Source()() : "NORMAL"; }

void BindPlayer(TPlayerBindings bindings) { Player() = std::move(bindings); }

bool PlayerPresent() { return Player().present && Player().present(); }

int PlayerTryb(int noPlayer) { return PlayerPresent() && Player().tryb ? Player().tryb() : noPlayer; }

int PlayerTool() { return PlayerPresent() && Player().tool ? Player().tool() : 0; }

void PlayerSetTool(int tool) {
  if (PlayerPresent() && Player().setTool) Player().setTool(tool);
}

int PlayerStage() { return PlayerPresent() && Player().stage ? Player().stage() : 0; }

void PlayerSetActScreen(const std::string& state) {
  if (PlayerPresent() && Player().setActScreen) Player().setActScreen(state);
}

void PlayerPutData(int played) {
  if (PlayerPresent() && Player().putData) Player().putData(played);
}

int PlayerLevelNumber() { return PlayerPresent() && Player().levelNumber ? Player().levelNumber() : 0; }

void SaveAllProfiles() {
  if (Player().saveProfiles) Player().saveProfiles();
}

int PlayerActLevel(int tryb) { return PlayerPresent() && Player().actLevel ? Player().actLevel(tryb) : 0; }

std::list<std::shared_ptr<TTutorialTip>>* PlayerPendingTips() {
  return PlayerPresent() && Player().pendingTips ? Player().pendingTips() : nullptr;
}

}  // namespace sorvanta
