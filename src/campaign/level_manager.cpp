// Reading the stage catalogues and finding stages and levels in them.
#include "campaign/level_manager.h"

#include "campaign/campaign_links.h"
#include "core/globals.h"
#include "formats/rcm_file.h"
#include "formats/txt_file.h"
#include "gui/img.h"
#include "platform/image.h"
#include "platform/strings.h"
#include "puzzle/board/ruleset.h"

namespace sorvanta {

std::shared_ptr<TLevelManager> levelManager;

namespace {
const char kStoryText[] = "txt/#LANG#/story.txt";
const char kFillCatalogue[] = "data/stagesNormal.dat";
const char kPicrossCatalogue[] = "data/stagesM.dat";
}  // namespace

void TLevelManager::setup() {
  auto txt = loadTxtFile(bDir + kStoryText);
  _setupNormalStages(txt);
  _setupMesalorStages(txt);
}

void TLevelManager::_setupNormalStages(const std::shared_ptr<TTxtFile>& txt) {
  stagesNormal = readStages(kFillCatalogue, txt);
}

void TLevelManager::_setupMesalorStages(const std::shared_ptr<TTxtFile>& txt) {
  stagesMesalor = readStages(kPicrossCatalogue, txt);
}

std::list<std::shared_ptr<TStage>> TLevelManager::readStages(const std::string& name,
                                                            const std::shared_ptr<TTxtFile>& txt) {
  auto file = loadRCMFile(bDir + name);
  auto number = [&](const std::string& key, int index = 0) { return FloatToInt(file->getFloat(key, index, 0)); };
  std::list<std::shared_ptr<TStage>> stages;
  int numer = 1;
  const int count = number("stages::i");
  for (int s = 1; s <= count; ++s) {
    const std::string key = "stages::stage" + std::to_string(s) + "::";
    auto stage = std::make_shared<TStage>();
    stage->id = number(key + "id");
    stage->x = number(key + "position", 0);
    stage->y = number(key + "position", 1);
    stage->titleAddY = number(key + "titleAddY");
    stage->img = LoadImg2(bDir + file->getString(key + "img"), -1);
    stage->overImg = LoadImg2(bDir + file->getString(key + "overImg"), -1);
    // Titles go by id, so both campaigns share them; 64-bit keeps a huge id out of range, not wrapped.
    const long long line = 2LL * stage->id - 1;
    stage->title = readTxtData(txt, line >= 1 && line <= txt->lines() ? static_cast<int>(line) : 0);
    MidHandleImg(stage->overImg);
    stage->preview = LoadImage(bDir + file->getString(key + "preview"), -1);
    MidHandleImg(stage->img);
    const int levels = number(key + "levels");
    for (int l = 1; l <= levels; ++l) {
      auto level = std::make_shared<TLevelData>();
      level->url = file->getString(key + "level" + std::to_string(l));
      level->id = l;
      level->numer = numer++;
      stage->levels.push_back(level);
    }
    stages.push_back(stage);
  }
  return stages;
}

const std::list<std::shared_ptr<TStage>>* TLevelManager::stagesOf(int set) const {
  if (set == kRulesetFill) return &stagesNormal;
  if (set == kRulesetPicross) return &stagesMesalor;
  return nullptr;
}

std::shared_ptr<TStage> TLevelManager::getStageById(int id, int set) const {
  if (const auto* stages = stagesOf(set))
    for (const auto& stage : *stages)
      if (stage->id == id) return stage;
  return nullptr;
}

int TLevelManager::CountLevelsForStage(int id, int set) const {
  auto stage = getStageById(id, set);
  return stage ? static_cast<int>(stage->levels.size()) : 0;
}

std::shared_ptr<TLevel> TLevelManager::LoadLevelByStageAndLevelId(int levelId, int stageId, int set) const {
  if (const auto* stages = stagesOf(set))
    for (const auto& stage : *stages) {
      if (stage->id != stageId) continue;
      for (const auto& level : stage->levels)
        if (level->id == levelId) return campaignLoadLevel(bDir + level->url);
    }
  return nullptr;
}

}  // namespace sorvanta
