#pragma once
// What the play screen asks of the tutorial that runs over it. The tutorial
// sits above the play screen (its tips read and lock the board), so it is
// bound at start-up instead of being included here. Unbound, no tip runs.
#include <functional>
#include <memory>

namespace sorvanta {

class TEkran;

struct TTutorialLinks {
  // One frame of the pending tips over a screen, for the player's mode.
  std::function<void(const std::shared_ptr<TEkran>& screen, int tryb)> update;
  std::function<void(const std::shared_ptr<TEkran>& screen)> draw;
  // Forgets the running tip when the play screen's loop ends.
  std::function<void()> dropRunningTip;
};
void BindTutorialLinks(TTutorialLinks links);

void UpdateTutorialOver(const std::shared_ptr<TEkran>& screen, int tryb);
void DrawTutorialOver(const std::shared_ptr<TEkran>& screen);
void DropRunningTutorialTip();

}  // namespace sorvanta
