// A player's folder on disk: "profile.dat" and the levels in progress.
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "campaign/campaign_links.h"
#include "campaign/profile.h"
#include "campaign/save_notice.h"
#include "core/globals.h"
#include "formats/bounded_count.h"
#include "formats/rcm_file.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "platform/system.h"
#include "puzzle/board/level.h"
#include "puzzle/board/level_file.h"
#include "puzzle/tutorial/tutorial_tip.h"

namespace sorvanta {

namespace {

int readInt(const TRCMFile& file, const std::string& key, int index = 0) {
  return FloatToInt(file.getFloat(key, index));
}

void saveStages(TRCMFile& file, const TProfileStages& stages, const std::string& base) {
  file.setFloat(base + "::i", static_cast<float>(stages.size()));
  int k = 0;
  for (const auto& stage : stages) {
    const std::string prefix = base + "::stage" + std::to_string(++k);
    file.setFloat(prefix + "::id", static_cast<float>(stage->id));
    file.setFloat(prefix + "::played", static_cast<float>(stage->played));
    file.setFloat(prefix + "::unlocked", static_cast<float>(stage->unlocked));
    file.setFloat(prefix + "::levels", static_cast<float>(stage->levels.size()));
    file.setFloat(prefix + "::unlockShow", static_cast<float>(stage->unlockShowed));
    file.setFloat(prefix + "::storyRead", static_cast<float>(stage->storyRead));
    int j = 0;
    for (const auto& level : stage->levels) {
      const std::string key = prefix + "::level" + std::to_string(++j);
      file.setFloat(key, static_cast<float>(level->id), 0);
      file.setFloat(key, static_cast<float>(level->played), 1);
      file.setFloat(key, static_cast<float>(level->unlocked), 2);
    }
  }
}

// A count from the file; missing records read as zeros, as before, but a
// damaged count no longer fills memory.
int recordCount(const TRCMFile& file, const std::string& key) {
  return boundedCount(readInt(file, key), kMaxProfileRecords, key);
}

TProfileStages loadStages(const TRCMFile& file, const std::string& base) {
  TProfileStages stages;
  const int n = recordCount(file, base + "::i");
  for (int k = 1; k <= n; ++k) {
    const std::string prefix = base + "::stage" + std::to_string(k);
    auto stage = std::make_shared<TProfileStage>();
    stage->id = readInt(file, prefix + "::id");
    stage->played = readInt(file, prefix + "::played");
    stage->unlocked = readInt(file, prefix + "::unlocked");
    stage->unlockShowed = readInt(file, prefix + "::unlockShow");
    stage->storyRead = readInt(file, prefix + "::storyRead");
    const int m = recordCount(file, prefix + "::levels");
    for (int j = 1; j <= m; ++j) {
      const std::string key = prefix + "::level" + std::to_string(j);
      auto level = std::make_shared<TProfileLevel>();
      level->id = readInt(file, key, 0);
      level->played = readInt(file, key, 1);
      level->unlocked = readInt(file, key, 2);
      stage->levels.push_back(level);
    }
    stages.push_back(stage);
  }
  return stages;
}

// The file of a mode's level in progress, in the player's folder.
std::string levelFilePath(const std::string& folder, int mode) {
  return folder + (mode == kRulesetPicross ? "/levelPicross.lvl" : "/levelFill.lvl");
}

// A level file names the position it was saved at, so that a level file
// and a "profile.dat" of different moments (a kill between their writes)
// never make one level's board another's.
const char* const kStampStage = "level::campaign::stage";
const char* const kStampLevel = "level::campaign::level";

// The level file of a mode: the level in progress, or no file at all, so a
// finished level never comes back as in progress. False, errno the cause,
// when it could not be written or removed.
bool saveLevelFile(const std::shared_ptr<TLevel>& level, const TProfile::Position& at, const std::string& path) {
  if (!level) {
    std::error_code error;
    std::filesystem::remove(path, error);
    if (!error) return true;
    Print("Cannot remove " + path + ": " + error.message());
    errno = error.value();
    return false;
  }
  auto file = createRCMFile();
  level->_SAVE_Standard(*file);
  level->_SAVE_Tiles(*file);
  file->setFloat(kStampStage, static_cast<float>(at.stage));
  file->setFloat(kStampLevel, static_cast<float>(at.level));
  return SaveText(file->toText(), path);
}

// The level in progress of a mode's file, when it was saved at the position
// the profile names; a file of an older build has no position and is taken.
std::shared_ptr<TLevel> loadLevelFile(const std::string& path, const TProfile::Position& at) {
  if (FileType(path) == 0) return nullptr;
  auto file = loadRCMFile(path);
  if (file->getGroup({"level", "campaign", "stage"}) &&
      (readInt(*file, kStampStage) != at.stage || readInt(*file, kStampLevel) != at.level)) {
    Print("Level file " + path + " belongs to another position than the profile's, left out");
    return nullptr;
  }
  return LoadLevel(*file, path);
}

// The records "profile.dat" holds, as a save writes them.
void writeRecords(TProfile& player, TRCMFile& file) {
  player._Save_Data(file);
  player._Save_Stages_Picross(file);
  player._Save_Stages_Fill(file);
  player._Save_Tutorial(file);
}

}  // namespace

std::string ProfilesFolder() { return myDocsFolder + "/Profiles"; }

int TProfile::_Save_Data(TRCMFile& file) {
  file.setString("profile::data::name", name);
  file.setFloat("profile::data::tryb", static_cast<float>(tryb));
  file.setString("profile::data::gameType", gameType);
  file.setFloat("profile::data::actLevelId_Picross", static_cast<float>(actLevelId_Picross));
  file.setFloat("profile::data::actStageId_Picross", static_cast<float>(actStageId_Picross));
  file.setFloat("profile::data::actLevelId_Fill", static_cast<float>(actLevelId_Fill));
  file.setFloat("profile::data::actStageId_Fill", static_cast<float>(actStageId_Fill));
  file.setFloat("profile::data::trybPicrossEnd", static_cast<float>(trybPicrossEnd));
  file.setFloat("profile::data::trybFillEnd", static_cast<float>(trybFillEnd));
  file.setString("profile::data::screenPicross", screenPicross);
  file.setString("profile::data::screenFill", screenFill);
  file.setFloat("profile::data::tool", static_cast<float>(tool));
  return 0;
}

int TProfile::_Save_Stages_Picross(TRCMFile& file) {
  saveStages(file, stagesPicross, "profile::stagesPicross");
  return 0;
}

int TProfile::_Save_Stages_Fill(TRCMFile& file) {
  saveStages(file, stagesFill, "profile::stagesFill");
  return 0;
}

int TProfile::_Save_Level() {
  const std::string folder = ProfilesFolder() + "/" + GetId();
  for (const int mode : {kRulesetPicross, kRulesetFill}) {
    const Position at = positionOf(mode);
    if (!saveLevelFile(at.inProgress, at, levelFilePath(folder, mode)) && lastSaveOk) {
      lastSaveOk = false;
      saveError = errno;
    }
  }
  return 0;
}

int TProfile::_Save_Tutorial(TRCMFile& file) {
  file.setFloat("profile::tutorial::i", static_cast<float>(lekcjeTutoriala.size()));
  int k = 0;
  for (const auto& tip : lekcjeTutoriala)
    if (tip) file.setString("profile::tutorial::tip" + std::to_string(++k), tip->id);
  return 0;
}

int TProfile::Save() {
  lastSaveOk = false;
  const std::string id = GetId();
  // An empty id would put the files straight into the players' folder.
  if (id.empty()) {
    Print("Not saving a player without a name");
    return 0;
  }
  auto file = createRCMFile();
  const std::string folder = ProfilesFolder() + "/" + id;
  // Parents too: a "Profiles" that a full disk kept from being made at
  // start-up is made once there is room.
  if (FileType(folder) == 0 && !CreateDir(folder, true)) {
    saveError = errno;
    Print("Cannot create the player's folder " + folder);
    playerSaveFailed(saveError, folder);
    return 0;
  }
  writeRecords(*this, *file);
  // "profile.dat" first: the level files then follow the position it names,
  // and without it they are left as they were, with the old one.
  lastSaveOk = SaveText(file->toText(), folder + "/profile.dat");
  if (lastSaveOk)
    _Save_Level();
  else
    saveError = errno;
  if (lastSaveOk) {
    savedId = id;
  } else {
    Print("The player's files in " + folder + " were not all written");
    playerSaveFailed(saveError, folder);
  }
  return 0;
}

int TProfile::_Load_Data(TRCMFile& file) {
  name = file.getString("profile::data::name");
  tryb = readInt(file, "profile::data::tryb");
  gameType = file.getString("profile::data::gameType");
  actLevelId_Picross = readInt(file, "profile::data::actLevelId_Picross");
  actStageId_Picross = readInt(file, "profile::data::actStageId_Picross");
  actLevelId_Fill = readInt(file, "profile::data::actLevelId_Fill");
  actStageId_Fill = readInt(file, "profile::data::actStageId_Fill");
  trybPicrossEnd = readInt(file, "profile::data::trybPicrossEnd");
  trybFillEnd = readInt(file, "profile::data::trybFillEnd");
  screenPicross = file.getString("profile::data::screenPicross");
  screenFill = file.getString("profile::data::screenFill");
  tool = readInt(file, "profile::data::tool");
  return 0;
}

int TProfile::_Load_Stages_Picross(TRCMFile& file) {
  stagesPicross = loadStages(file, "profile::stagesPicross");
  return 0;
}

int TProfile::_Load_Stages_Fill(TRCMFile& file) {
  stagesFill = loadStages(file, "profile::stagesFill");
  return 0;
}

int TProfile::_Load_Levels(const std::string& folder) {
  for (const int mode : {kRulesetPicross, kRulesetFill})
    if (auto level = loadLevelFile(levelFilePath(folder, mode), positionOf(mode))) *modeOf(mode).inProgress = level;
  return 0;
}

int TProfile::_Load_Tutorial(TRCMFile& file) {
  lekcjeTutoriala.clear();
  const int n = recordCount(file, "profile::tutorial::i");
  for (int k = 1; k <= n; ++k)
    lekcjeTutoriala.push_back(campaignTipById(file.getString("profile::tutorial::tip" + std::to_string(k))));
  return 0;
}

int TProfile::Load(const std::string& path) {
  auto file = loadRCMFile(path);
  _Load_Data(*file);
  _Load_Stages_Picross(*file);
  _Load_Stages_Fill(*file);
  _Load_Tutorial(*file);
  // The next save writes what was read: what it would not hold (a record
  // past its count, a value that is no number of its field, a tip the
  // tutorial does not know, a key of no field) it would lose.
  TRCMFile back;
  writeRecords(*this, back);
  fileBroken = file->broken || !back.holdsAllOf(*file);
  _Load_Levels(ExtractDir(path));
  return 0;
}

std::shared_ptr<TProfile> loadProfile(const std::string& path) {
  auto profile = std::make_shared<TProfile>();
  profile->Load(path);
  return profile;
}

}  // namespace sorvanta
