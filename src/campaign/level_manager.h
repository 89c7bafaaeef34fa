#pragma once
// The catalogue of both campaigns: their stages in file order, each with its
// levels, read once during loading. A set number equals the campaign mode:
// 0 Fill, 1 Picross; any other set holds nothing.
#include <list>
#include <memory>
#include <string>

#include "campaign/stage.h"

namespace sorvanta {

class TLevel;
class TTxtFile;

class TLevelManager {
 public:
  virtual ~TLevelManager() = default;

  std::list<std::shared_ptr<TStage>> stagesNormal;   // set 0, Fill
  std::list<std::shared_ptr<TStage>> stagesMesalor;  // set 1, Picross

  // Reads the story text for the titles, then both catalogue files. Missing
  // files leave their campaign empty; the loaders report them.
  virtual void setup();
  virtual void _setupNormalStages(const std::shared_ptr<TTxtFile>& txt);
  virtual void _setupMesalorStages(const std::shared_ptr<TTxtFile>& txt);
  // The first stage of the set with that id, or none.
  virtual std::shared_ptr<TStage> getStageById(int id, int set) const;
  // The level count of that stage; 0 without it.
  virtual int CountLevelsForStage(int id, int set) const;
  // Level id first. Reads a new level from the first matching level's file,
  // looking on through later stages of the same id; none when no stage of
  // that id has such a level.
  virtual std::shared_ptr<TLevel> LoadLevelByStageAndLevelId(int levelId, int stageId, int set) const;

  // The set's list, or none for a set other than 0 and 1.
  const std::list<std::shared_ptr<TStage>>* stagesOf(int set) const;

 private:
  std::list<std::shared_ptr<TStage>> readStages(const std::string& file, const std::shared_ptr<TTxtFile>& txt);
};

extern std::shared_ptr<TLevelManager> levelManager;

}  // namespace sorvanta
