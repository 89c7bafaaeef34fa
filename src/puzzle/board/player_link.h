#pragma once
// What the puzzle reads of, and records in, the current player. The
// campaign sits above the puzzle, so it binds these at start-up instead of
// being included here. Unbound, there is no player: each reads its plain
// default and records nothing.
#include <functional>
#include <list>
#include <memory>
#include <string>

namespace sorvanta {

class TTutorialTip;

// The current player's game type; Fill paint strokes run only while it is
// "NORMAL". Unbound, it reads "NORMAL". An empty function unbinds.
void BindPlayerGameType(std::function<std::string()> source);
std::string PlayerGameType();

// The current player, as the play screen and its panels use it. Every
// function is asked only while present() holds.
struct TPlayerBindings {
  std::function<bool()> present;
  std::function<int()> tryb;        // the player's mode: 0 Fill, 1 Picross
  std::function<int()> tool;        // Picross tool: 0 hand, 1 hook
  std::function<void(int)> setTool;
  std::function<int()> stage;       // current stage of the player's mode; 0 tutorial
  // The state at which the player's mode resumes.
  std::function<void(const std::string&)> setActScreen;
  // Marks the current level played (1).
  std::function<void(int)> putData;
  // Index of the current level in its mode's list of level names.
  std::function<int()> levelNumber;
  // Writes the player list and every player; nothing without players.
  std::function<void()> saveProfiles;
  // The current level number of a mode (1 Picross, 0 Fill).
  std::function<int(int tryb)> actLevel;
  // The player's pending tutorial tips, which the tutorial runs and removes.
  std::function<std::list<std::shared_ptr<TTutorialTip>>*()> pendingTips;
};
void BindPlayer(TPlayerBindings bindings);

bool PlayerPresent();
// The player's mode, or noPlayer when there is none.
int PlayerTryb(int noPlayer);
int PlayerTool();
void PlayerSetTool(int tool);
int PlayerStage();
void PlayerSetActScreen(const std::string& state);
void PlayerPutData(int played);
int PlayerLevelNumber();
void SaveAllProfiles();
int PlayerActLevel(int tryb);
// None when there is no player.
std::list<std::shared_ptr<TTutorialTip>>* PlayerPendingTips();

}  // namespace sorvanta
