// A player's folder: round trips, exact bytes, failed and interrupted writes.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "campaign/campaign_links.h"
#include "campaign/profile.h"
#include "campaign_test_support.h"
#include "core/globals.h"
#include "formats/rcm_file.h"
#include "platform/files.h"
#include "puzzle/board/level.h"
#include "puzzle/board/level_file.h"
#include "puzzle/tutorial/tutorial_tip.h"
#include "support/stdout_lines.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

using campaign_test::LevelText;
using campaign_test::Marker;

struct Home {
  test::TempFolder root;
  Home() {
    myDocsFolder = root.path();
    std::filesystem::create_directories(ProfilesFolder());
  }
  std::shared_ptr<TLevel> level(int tryb, int marker) {
    test::WriteFile(root / "src.lvl", LevelText(tryb, marker));
    return LoadLevel(root / "src.lvl");
  }
  std::string folder(const std::string& id) const { return ProfilesFolder() + "/" + id; }
};

std::shared_ptr<TTutorialTip> Tip(const std::string& id) {
  auto tip = std::make_shared<TTutorialTip>();
  tip->id = id;
  return tip;
}

struct FaultGuard {
  ~FaultGuard() { SetAtomicWriteFaultForTests(nullptr); }
};

TEST(ProfileFile, RoundTripKeepsRecordsLevelsAndTips) {
  Home home;
  auto tip = Tip("TIP-A");
  TCampaignLinks links;
  links.tipById = [tip](const std::string& id) { return id == "TIP-A" ? tip : nullptr; };
  bindCampaignLinks(links);

  TProfile p;
  p.name = "Żaneta";  // above U+00FF: the file becomes UTF-16
  p.tryb = 0;
  p.actStageId_Picross = 2, p.actLevelId_Picross = 3, p.actStageId_Fill = 1, p.actLevelId_Fill = 4;
  p.trybFillEnd = 1, p.tool = 2, p.screenPicross = "MAIN-GAME", p.screenFill = "STAGE-SCREEN";
  for (int t : {1, 0}) {
    p.tryb = t;
    for (int s = 0; s < 12; ++s) p.QUEST_GetLevelData(s, 3)->played = 1;
    p.QUEST_GetLevelData(11, 4)->unlocked = 1;
    p.QUEST_GetStageData(10)->unlockShowed = 1;
    // Each field of a record set alone, so that no two are read one for the other.
    p.QUEST_GetStageData(5)->played = 1;
    p.QUEST_GetStageData(6)->unlocked = 1;
    p.QUEST_GetStageData(7)->storyRead = 1;
  }
  p.lekcjeTutoriala = {tip, nullptr, tip};
  p.levelPicross = home.level(1, 77);
  p.levelFill = home.level(0, 88);
  p.Save();
  ASSERT_TRUE(p.lastSaveOk);
  EXPECT_EQ(p.savedId, p.GetId());
  const std::string dat = home.folder(p.GetId()) + "/profile.dat";
  EXPECT_EQ(LoadBytes(dat).substr(0, 2), "\xFF\xFE");

  auto q = loadProfile(dat);
  EXPECT_EQ(q->name, p.name);
  EXPECT_EQ(q->GetId(), p.GetId());
  EXPECT_EQ(std::tie(q->tryb, q->actStageId_Picross, q->actLevelId_Picross, q->actStageId_Fill, q->actLevelId_Fill,
                     q->trybPicrossEnd, q->trybFillEnd, q->tool, q->screenPicross, q->screenFill, q->gameType),
            std::tie(p.tryb, p.actStageId_Picross, p.actLevelId_Picross, p.actStageId_Fill, p.actLevelId_Fill,
                     p.trybPicrossEnd, p.trybFillEnd, p.tool, p.screenPicross, p.screenFill, p.gameType));
  for (auto stages : {&TProfile::stagesPicross, &TProfile::stagesFill}) {
    ASSERT_EQ((q.get()->*stages).size(), (p.*stages).size());
    auto a = (p.*stages).begin();
    for (auto& b : q.get()->*stages) {
      EXPECT_EQ(std::tie(b->id, b->played, b->unlocked, b->unlockShowed, b->storyRead),
                std::tie((*a)->id, (*a)->played, (*a)->unlocked, (*a)->unlockShowed, (*a)->storyRead));
      ASSERT_EQ(b->levels.size(), (*a)->levels.size());
      auto x = (*a)->levels.begin();
      for (auto& y : b->levels) {
        EXPECT_EQ(std::tie(y->id, y->played, y->unlocked), std::tie((*x)->id, (*x)->played, (*x)->unlocked));
        ++x;
      }
      ++a;
    }
  }
  // An unknown tip keeps its place as an empty entry; the count stays.
  ASSERT_EQ(q->lekcjeTutoriala.size(), 3u);
  EXPECT_EQ(q->lekcjeTutoriala.front(), tip);
  EXPECT_EQ(Marker(q->levelPicross), 77);
  EXPECT_EQ(Marker(q->levelFill), 88);
}

TEST(ProfileFile, SmallPlayerWritesExactBytes) {
  Home home;
  TProfile p;
  p.name = "AB";
  p.QUEST_GetLevelData(1, 2)->played = 1;
  p.Save();
  EXPECT_EQ(LoadBytes(home.folder("65_66") + "/profile.dat"),
            "profile {\n"
            "\n"
            "\tdata {\n"
            "\t\tname = \"AB\"\n"
            "\t\ttryb = 1\n"
            "\t\tgameType = \"NORMAL\"\n"
            "\t\tactLevelId_Picross = 0\n"
            "\t\tactStageId_Picross = 0\n"
            "\t\tactLevelId_Fill = 0\n"
            "\t\tactStageId_Fill = 0\n"
            "\t\ttrybPicrossEnd = 0\n"
            "\t\ttrybFillEnd = 0\n"
            "\t\tscreenPicross = \"\"\n"
            "\t\tscreenFill = \"\"\n"
            "\t\ttool = 0\n"
            "\t}\n"
            "\n"
            "\tstagesPicross {\n"
            "\t\ti = 1\n"
            "\t\tstage1 {\n"
            "\t\t\tid = 1\n"
            "\t\t\tplayed = 0\n"
            "\t\t\tunlocked = 0\n"
            "\t\t\tlevels = 1\n"
            "\t\t\tunlockShow = 0\n"
            "\t\t\tstoryRead = 0\n"
            "\t\t\tlevel1 = 2, 1, 0\n"
            "\t\t}\n"
            "\n"
            "\t}\n"
            "\n"
            "\tstagesFill {\n"
            "\t\ti = 0\n"
            "\t}\n"
            "\n"
            "\ttutorial {\n"
            "\t\ti = 0\n"
            "\t}\n"
            "\n"
            "}\n"
            "\n");
}

// A mode without a level in progress leaves no level file behind, so a
// finished level never returns as in progress.
TEST(ProfileFile, LevelFileGoesWhenNoLevelIsInProgress) {
  Home home;
  TProfile p;
  p.name = "A";
  p.levelPicross = home.level(1, 5);
  p.levelFill = home.level(0, 6);
  p.Save();
  p.levelFill = nullptr;
  p.Save();
  EXPECT_EQ(FileType(home.folder("65") + "/levelFill.lvl"), 0);
  auto q = loadProfile(home.folder("65") + "/profile.dat");
  EXPECT_EQ(Marker(q->levelPicross), 5);
  EXPECT_EQ(q->levelFill, nullptr);
}

// A level file goes with the position "profile.dat" names: one saved at
// another position (a kill between the two writes) is left out, one of an
// older build, which names none, is taken.
TEST(ProfileFile, ALevelFileIsTakenOnlyAtThePositionItWasSavedAt) {
  struct Row {
    const char* name;
    const char* stamp;  // changed to 9; none: the file saved without stamps
    int saved;          // the stamp as saved
    int loaded;         // marker of the level read back
  };
  const Row rows[] = {
      {"saved at another level", "level::campaign::level", 3, -1},
      {"saved at another stage", "level::campaign::stage", 2, -1},
      {"an older build's", nullptr, 0, 5},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Home home;
    TProfile p;
    p.name = "A";
    p.actStageId_Picross = 2, p.actLevelId_Picross = 3;
    p.levelPicross = home.level(1, 5);
    p.Save();
    const std::string lvl = home.folder("65") + "/levelPicross.lvl";
    if (row.stamp) {
      auto file = loadRCMFile(lvl);
      ASSERT_EQ(file->getFloat(row.stamp), row.saved);
      file->setFloat(row.stamp, 9);
      ASSERT_TRUE(SaveText(file->toText(), lvl));
    } else {
      SaveLevel(p.levelPicross, lvl);
    }
    std::shared_ptr<TProfile> q;
    test::StdoutLines([&] { q = loadProfile(home.folder("65") + "/profile.dat"); });
    EXPECT_EQ(Marker(q->levelPicross), row.loaded);
  }
}

TEST(ProfileFile, FailedSavesLeaveTheOldFilesWhole) {
  FaultGuard guard;
  for (std::string step : {"open", "write", "sync", "rename"}) {
    Home home;
    TProfile p;
    p.name = "A";
    p.levelPicross = home.level(1, 5);
    p.Save();
    const std::string dat = home.folder("65") + "/profile.dat", lvl = home.folder("65") + "/levelPicross.lvl";
    const std::string oldDat = LoadBytes(dat), oldLvl = LoadBytes(lvl);
    p.tool = 3;
    p.levelPicross = home.level(1, 9);
    SetAtomicWriteFaultForTests([step](const std::string& s) { return s == step; });
    p.Save();
    SetAtomicWriteFaultForTests(nullptr);
    EXPECT_FALSE(p.lastSaveOk) << step;
    EXPECT_EQ(LoadBytes(dat), oldDat) << step;
    EXPECT_EQ(LoadBytes(lvl), oldLvl) << step;
  }
  // A folder that cannot be made (a file stands in the way): nothing
  // written, reported, no crash.
  Home home;
  test::WriteFile(home.root / "file", "");
  myDocsFolder = home.root / "file/deeper";
  TProfile p;
  p.name = "A";
  const auto lines = test::StdoutLines([&] { p.Save(); });
  EXPECT_FALSE(p.lastSaveOk);
  EXPECT_TRUE(p.savedId.empty());
  EXPECT_FALSE(lines.empty());
  // Nor is a nameless player written straight into the players' folder.
  myDocsFolder = home.root.path();
  TProfile nameless;
  nameless.Save();
  EXPECT_EQ(FileType(ProfilesFolder() + "/profile.dat"), 0);
}

TEST(ProfileFile, DamagedAndMissingFilesLoadBounded) {
  Home home;
  test::WriteFile(home.folder("1") + "/profile.dat",
                  "profile {\n stagesPicross {\n  i = 1000000000\n  stage1 {\n   levels = 1000000000\n  }\n }\n"
                  " tutorial {\n  i = 1000000000\n }\n}\n");
  std::shared_ptr<TProfile> p;
  const auto lines = test::StdoutLines([&] { p = loadProfile(home.folder("1") + "/profile.dat"); });
  EXPECT_EQ(p->stagesPicross.size(), static_cast<size_t>(kMaxProfileRecords));
  EXPECT_EQ(p->stagesPicross.front()->levels.size(), static_cast<size_t>(kMaxProfileRecords));
  EXPECT_EQ(p->lekcjeTutoriala.size(), static_cast<size_t>(kMaxProfileRecords));
  EXPECT_GE(lines.size(), 3u);
  // A count past int's range saturates to the bound.
  test::WriteFile(home.folder("3") + "/profile.dat", "profile {\n stagesFill {\n  i = 1e30\n }\n}\n");
  test::StdoutLines([&] { p = loadProfile(home.folder("3") + "/profile.dat"); });
  EXPECT_EQ(p->stagesFill.size(), static_cast<size_t>(kMaxProfileRecords));
  // A missing file gives the empty player, gameType included.
  auto empty = loadProfile(home.folder("2") + "/profile.dat");
  EXPECT_EQ(std::make_tuple(empty->name, empty->tryb, empty->gameType), std::make_tuple(std::string(), 0, std::string()));
}

// A save killed at any step of any of its files leaves every file readable
// whole: the saving child stops at the step it is to die at and says so.
TEST(ProfileFile, KilledSavesLeaveWholeFiles) {
  Home home;
  TProfile p;
  p.name = "K";
  for (int s = 1; s < 40; ++s) p.QUEST_GetLevelData(s, 1);
  p.levelPicross = home.level(1, 5);
  int stepsPerSave = 0;
  SetAtomicWriteFaultForTests([&](const std::string&) { return ++stepsPerSave, false; });
  p.Save();
  SetAtomicWriteFaultForTests(nullptr);
  ASSERT_GT(stepsPerSave, 0);
  const std::string dat = home.folder("75") + "/profile.dat";
  const std::string whole = LoadBytes(dat);
  // Every step of a first and a second save.
  for (int round = 0; round < 2 * stepsPerSave; ++round) {
    int stopped[2];
    ASSERT_EQ(pipe(stopped), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      int step = 0;
      SetAtomicWriteFaultForTests([&](const std::string&) {
        if (step++ == round) {
          if (write(stopped[1], "", 1) != 1) _exit(1);
          for (;;) pause();
        }
        return false;
      });
      // Bounded: a save that never gets to the step fails the round, not hangs it.
      for (int save = 0; save < 3; ++save) p.Save();
      _exit(0);
    }
    close(stopped[1]);
    char told = 1;
    EXPECT_EQ(read(stopped[0], &told, 1), 1) << round;
    close(stopped[0]);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(LoadBytes(dat), whole) << round;
    EXPECT_EQ(Marker(LoadLevel(home.folder("75") + "/levelPicross.lvl")), 5) << round;
  }
}

}  // namespace
}  // namespace sorvanta
