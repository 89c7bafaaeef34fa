// A player's records: folder id, find-or-create, and the queries the map,
// the stage screen, the mode picker, the menu and the summary ask.
#include <limits>

#include "campaign/level_manager.h"
#include "campaign/profile.h"
#include "platform/strings.h"
#include "puzzle/board/ruleset.h"
#include "puzzle/tutorial/tutorial_tip.h"

namespace sorvanta {

namespace {

std::shared_ptr<TProfileStage> findStage(const TProfileStages* stages, int id) {
  if (stages)
    for (const auto& stage : *stages)
      if (stage->id == id) return stage;
  return nullptr;
}

std::shared_ptr<TProfileLevel> findLevel(const TProfileStages* stages, int stageId, int levelId) {
  if (auto stage = findStage(stages, stageId))
    for (const auto& level : stage->levels)
      if (level->id == levelId) return level;
  return nullptr;
}

// Records whose level count reaches their catalogue stage's; the tutorial
// stage has no catalogue entry, so it never counts.
int stagesPassed(const TProfileStages& stages, int set) {
  int count = 0;
  for (const auto& record : stages) {
    auto stage = levelManager ? levelManager->getStageById(record->id, set) : nullptr;
    if (stage && record->levels.size() == stage->levels.size()) ++count;
  }
  return count;
}

// Progress on record: a level won or a stage past the first reached. A
// campaign with any is never replaced without the continue dialog's question,
// also when its level file is gone.
bool hasProgress(const TProfileStages& stages) {
  for (const auto& stage : stages) {
    if (stage->id > 1) return true;
    for (const auto& level : stage->levels)
      if (level->played) return true;
  }
  return false;
}

}  // namespace

TProfile::Mode TProfile::modeOf(int tryb) const {
  auto* self = const_cast<TProfile*>(this);
  Mode m;
  m.set = tryb;
  if (tryb == kRulesetPicross) {
    m = {kRulesetPicross, &self->actStageId_Picross, &self->actLevelId_Picross, &self->trybPicrossEnd,
         &self->levelPicross, &self->stagesPicross, &self->screenPicross};
  } else if (tryb == kRulesetFill) {
    m = {kRulesetFill, &self->actStageId_Fill, &self->actLevelId_Fill, &self->trybFillEnd, &self->levelFill,
         &self->stagesFill, &self->screenFill};
  }
  return m;
}

TProfile::Position TProfile::positionOf(int tryb) const {
  const Mode m = modeOf(tryb);
  if (!m.stage) return {};
  return {*m.stage, *m.level, *m.inProgress};
}

std::string TProfile::GetId() const {
  std::string id;
  auto append = [&id](unsigned unit) {
    if (!id.empty()) id += '_';
    id += std::to_string(unit);
  };
  for (char32_t c : Utf8ToU32(name)) {
    if (c > 0xFFFF) {
      append(0xD800 + ((c - 0x10000) >> 10));
      append(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      append(c);
    }
  }
  return id;
}

std::string NameFromId(const std::string& id) {
  // Far more than a name of any length the game takes gives.
  constexpr size_t kMaxIdLength = 512;
  if (id.empty() || id.size() > kMaxIdLength) return "";
  std::u32string name;
  char32_t high = 0;  // a leading surrogate waiting for its pair
  size_t at = 0;
  while (at <= id.size()) {
    size_t end = id.find('_', at);
    if (end == std::string::npos) end = id.size();
    const std::string unit = id.substr(at, end - at);
    // Decimal without leading zeros, as GetId writes it: anything else is
    // no player's folder.
    if (unit.empty() || unit.size() > 5 || unit[0] == '0' ||
        unit.find_first_not_of("0123456789") != std::string::npos)
      return "";
    const auto value = static_cast<char32_t>(std::stoul(unit));
    if (value > 0xFFFF) return "";
    if (high != 0) {
      if (value < 0xDC00 || value > 0xDFFF) return "";
      name += 0x10000 + ((high - 0xD800) << 10) + (value - 0xDC00);
      high = 0;
    } else if (value >= 0xD800 && value <= 0xDBFF) {
      high = value;
    } else if (value >= 0xDC00 && value <= 0xDFFF) {
      return "";
    } else {
      name += value;
    }
    at = end + 1;
  }
  return high != 0 ? "" : U32ToUtf8(name);
}

bool NameEntryCouldGive(const std::string& name) {
  const std::u32string text = Utf8ToU32(name);
  if (text.empty()) return false;
  for (char32_t c : text)
    if (c < 32 || c == 127 || kRefusedNameChars.find(c) != std::u32string_view::npos) return false;
  return true;
}

int TProfile::HaveTip(const std::string& id) const {
  const std::string wanted = Upper(id);
  for (const auto& tip : lekcjeTutoriala)
    if (tip && Upper(tip->id) == wanted) return 1;
  return 0;
}

int TProfile::CountLevelNumber() const {
  Mode m = mode();
  if (!m.stage) return 0;
  if (*m.stage == 0) return *m.level > std::numeric_limits<int>::min() ? *m.level - 1 : *m.level;
  auto stage = levelManager ? levelManager->getStageById(*m.stage, m.set) : nullptr;
  if (!stage) return 0;
  int position = 1;
  for (const auto& level : stage->levels) {
    if (position == *m.level) return level->numer - 1;
    ++position;
  }
  return 0;
}

int TProfile::QUEST_MarkStoryRead(int stageId) {
  if (auto* stages = mode().stages)
    for (const auto& stage : *stages)
      if (stage->id == stageId) stage->storyRead = 1;
  return 0;
}

int TProfile::QUEST_StoryRead(int stageId) const {
  auto stage = findStage(mode().stages, stageId);
  return stage ? stage->storyRead : 0;
}

int TProfile::QUEST_GetPicrossStagesPassed() const { return stagesPassed(stagesPicross, 1); }

int TProfile::QUEST_GetFillStagesPassed() const { return stagesPassed(stagesFill, 0); }

std::shared_ptr<TProfileStage> TProfile::QUEST_GetStageData(int stageId) {
  TProfileStages* stages = mode().stages;
  if (!stages) return nullptr;
  if (auto stage = findStage(stages, stageId)) return stage;
  auto stage = std::make_shared<TProfileStage>();
  stage->id = stageId;
  stages->push_back(stage);
  return stage;
}

std::shared_ptr<TProfileLevel> TProfile::QUEST_GetLevelData(int stageId, int levelId) {
  auto stage = QUEST_GetStageData(stageId);
  if (!stage) return nullptr;
  for (const auto& level : stage->levels)
    if (level->id == levelId) return level;
  auto level = std::make_shared<TProfileLevel>();
  level->id = levelId;
  stage->levels.push_back(level);
  return level;
}

int TProfile::QUEST_CanContinue() const {
  Mode m = mode();
  return m.stage && (*m.inProgress || *m.end || hasProgress(*m.stages)) ? 1 : 0;
}

int TProfile::QUEST_LevelUnlocked(int stageId, int levelId) const {
  if (stageId == 1 && levelId == 1) return 1;
  auto level = findLevel(mode().stages, stageId, levelId);
  return level ? level->unlocked : 0;
}

int TProfile::QUEST_LevelPlayed(int stageId, int levelId) const {
  auto level = findLevel(mode().stages, stageId, levelId);
  return level ? level->played : 0;
}

int TProfile::QUEST_StageUnlocked(int stageId) const {
  return stageId == 1 || findStage(mode().stages, stageId) ? 1 : 0;
}

int TProfile::QUEST_StageUnlockShowed(int stageId) const {
  auto stage = findStage(mode().stages, stageId);
  return stage && stage->unlockShowed ? 1 : 0;
}

int TProfile::QUEST_StageFinished(int stageId) const {
  Mode m = mode();
  auto stage = findStage(m.stages, stageId);
  if (!stage) return 0;
  const int catalogued = levelManager ? levelManager->CountLevelsForStage(stageId, m.set) : 0;
  if (static_cast<int>(stage->levels.size()) < catalogued) return 0;
  for (const auto& level : stage->levels)
    if (!level->played) return 0;
  return 1;
}

int TProfile::QUEST_UnlockShowDone(int stageId) {
  if (auto stage = QUEST_GetStageData(stageId)) stage->unlockShowed = 1;
  return 0;
}

int TProfile::SetActScreen(const std::string& state) {
  if (auto* screen = mode().screen) *screen = state;
  return 0;
}

std::string TProfile::GetActScreen() const {
  Mode m = mode();
  if (!m.screen) return "";
  if (!m.screen->empty()) return *m.screen;
  return *m.inProgress ? kStateMainGame : kStateMapScreen;
}

}  // namespace sorvanta
