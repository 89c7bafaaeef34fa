// The campaign's links to play, tutorial and stage screen.
#include "campaign/campaign_links.h"

#include "platform/strings.h"
#include "puzzle/board/level_file.h"
#include "puzzle/tutorial/tutorial_tip.h"

namespace sorvanta {

namespace {
TCampaignLinks& Links() {
  static TCampaignLinks links;
  return links;
}
}  // namespace

void bindCampaignLinks(TCampaignLinks links) { Links() = std::move(links); }

std::shared_ptr<TLevel> campaignLoadLevel(const std::string& path) {
  return Links().loadLevel ? Links().loadLevel(path) : LoadLevel(path);
}

void campaignSetLevel(std::shared_ptr<TLevel> level) {
  if (Links().setLevel) Links().setLevel(std::move(level));
}

std::vector<std::shared_ptr<TTutorialTip>> campaignLevelTips() {
  return Links().levelTips ? Links().levelTips() : std::vector<std::shared_ptr<TTutorialTip>>{};
}

std::shared_ptr<TTutorialTip> campaignTipById(const std::string& id) {
  if (Links().tipById) return Links().tipById(id);
  for (auto& tip : campaignLevelTips())
    if (tip && Upper(tip->id) == Upper(id)) return tip;
  return nullptr;
}

void campaignDropRunningTip() {
  if (Links().dropRunningTip) Links().dropRunningTip();
}

void campaignStageScreenNoPrepare() {
  if (Links().stageScreenNoPrepare) Links().stageScreenNoPrepare();
}

}  // namespace sorvanta
