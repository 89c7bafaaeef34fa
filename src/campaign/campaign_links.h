#pragma once
// What the campaign rules reach outside their layer: reading a level file,
// handing a level to the play screen, the tutorial's tips and the stage
// screen's hand-over flag. Bound at start-up; tests bind counters.
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace sorvanta {

class TLevel;
class TTutorialTip;

struct TCampaignLinks {
  // Reads a level file; never none when bound to the real reader.
  std::function<std::shared_ptr<TLevel>(const std::string& path)> loadLevel;
  // Makes the level the play screen's current one (the same object).
  std::function<void(std::shared_ptr<TLevel>)> setLevel;
  // Every tip tied to a tutorial level, in the tutorial file's order.
  std::function<std::vector<std::shared_ptr<TTutorialTip>>()> levelTips;
  // The tutorial's tip of that id (letter case ignored), none when unknown.
  std::function<std::shared_ptr<TTutorialTip>(const std::string& id)> tipById;
  // Stops the tip now running on the play screen.
  std::function<void()> dropRunningTip;
  // Tells the stage screen that it opens straight from play.
  std::function<void()> stageScreenNoPrepare;
};

// Unbound parts: levels are read with LoadLevel, nothing is handed over,
// there are no tips.
void bindCampaignLinks(TCampaignLinks links);

// The calls the rules make; each copes with an unbound part.
std::shared_ptr<TLevel> campaignLoadLevel(const std::string& path);
void campaignSetLevel(std::shared_ptr<TLevel> level);
std::vector<std::shared_ptr<TTutorialTip>> campaignLevelTips();
void campaignDropRunningTip();
// Unbound: looked up among the level tips.
std::shared_ptr<TTutorialTip> campaignTipById(const std::string& id);
void campaignStageScreenNoPrepare();

}  // namespace sorvanta
