// A win is on disk while its summary shows (resuming where the summary
// leads), what NEXT-LEVEL unlocks or ends
// is on disk before the next screen runs, and what is on disk then restarts
// into what the player had: the files are read back at those moments, as a
// restart after a kill would read them. A full disk is told to the player
// once and costs nothing once there is room again.
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <map>
#include <sstream>
#include <functional>
#include <utility>

#include "app/app.h"
#include "app/control.h"
#include "campaign/campaign_links.h"
#include "campaign/level_manager.h"
#include "campaign/profile_manager.h"
#include "campaign/save_notice.h"
#include "core/dialogs.h"
#include "core/folders.h"
#include "core/frame_bindings.h"
#include "core/settings.h"
#include "core/states.h"
#include "formats/rcm_file.h"
#include "platform/child_processes.h"
#include "platform/display_lost.h"
#include "platform/files.h"
#include "platform/read_back.h"
#include "platform/strings.h"
#include "puzzle/board/level.h"
#include "puzzle/play/level_summary.h"

#include "app_test_support.h"
#include "support/emulation.h"

namespace sorvanta {
namespace {

using shell_test::ShellWorld;

// The real summary, with a look at the disk on its first frame.
struct WatchedSummary : TLevelSummary {
  std::function<void()> firstFrame;
  int _drawBack() override {
    if (firstFrame) std::exchange(firstFrame, nullptr)();
    return TLevelSummary::_drawBack();
  }
};

std::shared_ptr<TProfile> OnDisk(const TProfile& p) {
  return loadProfile(ProfilesFolder() + "/" + p.GetId() + "/profile.dat");
}

// The cells of a level as its file holds them.
std::string Board(const std::shared_ptr<TLevel>& level) {
  if (!level) return "none";
  auto file = createRCMFile();
  level->_SAVE_Tiles(*file);
  return file->toText();
}

// A started game whose player ANNA stands on a level of the last stage of a
// mode, unlocked, as the stage screen starts it.
struct OnALevel {
  test::FreshStart start;
  std::shared_ptr<test::ScriptedGame> game = std::make_shared<test::ScriptedGame>();
  std::shared_ptr<WatchedSummary> summary = std::make_shared<WatchedSummary>();
  int tryb = 1, stage = 0, level = 0;
  bool started = false;

  // fromEnd 0: the last level of the last stage; 1: the level before it.
  // Again on the same game: ANNA anew, with nothing of hers on disk.
  void begin(int mode, int fromEnd) {
    tryb = mode;
    start.h.SetFrameCap(4000);
    if (!started) {
      test::StdoutLines([&] {
        test::StartGame(game);
        summary->setup();
      });
      levelSummary = summary;
      started = true;
    } else {
      profileManager->profiles.clear();
      profileManager->profile = nullptr;
      std::filesystem::remove_all(ProfilesFolder());
      std::filesystem::create_directories(ProfilesFolder());
    }
    profileManager->CreateNewProfile("ANNA");
    TProfile& p = player();
    p.tryb = tryb;
    const auto* stages = levelManager->stagesOf(tryb);
    ASSERT_TRUE(stages && !stages->empty());
    stage = static_cast<int>(stages->size());
    level = static_cast<int>(stages->back()->levels.size()) - fromEnd;
    p.QUEST_GetStageData(stage)->unlocked = 1;
    p.QUEST_GetLevelData(stage, level)->unlocked = 1;
    p.QUEST_SetLevelAndStage(stage, level);
    test::StdoutLines([&] {
      p.QUEST_LoadActLevel();
      campaignSetLevel(p.position().inProgress);
    });
  }
  TProfile& player() { return *profileManager->profile; }
  std::string levelFile() const {
    return ProfilesFolder() + "/65_78_78_65/" + (tryb == 1 ? "levelPicross.lvl" : "levelFill.lvl");
  }
  // The level won, the summary's "play" clicked: the state that follows.
  std::string winAndGoOn() {
    game->frame = 0;
    game->script = [&](test::ScriptedGame& g, int) {
      if (g.frame != 1) return;
      g.WIN_CHEAT();
      auto play = ShellWorld::Centre(summary->gui, "play");
      start.world.ClickAt(play.first, play.second, 120);
    };
    std::string where;
    test::StdoutLines([&] { where = control->runState(kStateMainGame); });
    return where;
  }
};

TEST(ProgressOnDisk, AWinAndWhatItUnlocksOrEndsAreWrittenBeforeTheNextScreen) {
  struct Case {
    int tryb;
    int fromEnd;
    const char* next;
  };
  OnALevel on;  // one game for every case
  for (const Case& c : {Case{1, 1, kStateStageScreen}, Case{1, 0, kStateOutro}, Case{0, 0, kStateOutro}}) {
    SCOPED_TRACE(testing::Message() << c.tryb << " " << c.fromEnd);
    on.begin(c.tryb, c.fromEnd);
    TProfile& p = on.player();
    bool playedWhileShown = false;
    std::string wonLevelFile, resumeWhileShown;
    on.summary->firstFrame = [&] {
      auto shown = OnDisk(p);
      playedWhileShown = shown->QUEST_LevelPlayed(on.stage, on.level) != 0;
      shown->tryb = c.tryb;
      resumeWhileShown = shown->GetActScreen();
      wonLevelFile = LoadBytes(on.levelFile());
    };
    std::string where = on.winAndGoOn();
    ASSERT_EQ(where, kStateNextLevel);
    EXPECT_TRUE(playedWhileShown);
    // Ended on the summary, "Continue" goes where the summary leads, not
    // back to a fresh board of the level just won.
    EXPECT_EQ(resumeWhileShown, kStateNextLevel);

    test::StdoutLines([&] { where = control->runState(where); });
    EXPECT_EQ(where, c.next);
    auto saved = OnDisk(p);
    saved->tryb = c.tryb;
    const auto inProgress = saved->position().inProgress;
    if (c.fromEnd == 1) {
      EXPECT_TRUE(saved->QUEST_LevelUnlocked(on.stage, on.level + 1));
      EXPECT_EQ(saved->actLevelId_Picross, on.level + 1);
      // A restart now resumes where the player went, with the next level's
      // board fresh and not won: no free win for it.
      EXPECT_EQ(saved->GetActScreen(), kStateStageScreen);
      EXPECT_EQ(saved->QUEST_LevelPlayed(on.stage, on.level + 1), 0);
      std::shared_ptr<TLevel> fresh;
      test::StdoutLines([&] { fresh = levelManager->LoadLevelByStageAndLevelId(on.level + 1, on.stage, c.tryb); });
      EXPECT_EQ(Board(inProgress), Board(fresh));
    } else {
      EXPECT_EQ(c.tryb == 1 ? saved->trybPicrossEnd : saved->trybFillEnd, 1);
      EXPECT_EQ(saved->QUEST_GetStageData(on.stage)->played, 1);
      EXPECT_EQ(inProgress, nullptr);
    }
    // Killed between "profile.dat" and the level file: the won board left
    // beside the new position is not taken for the next level's.
    test::WriteFile(on.levelFile(), wonLevelFile);
    saved = OnDisk(p);
    saved->tryb = c.tryb;
    EXPECT_EQ(saved->position().inProgress, nullptr);
    EXPECT_NE(saved->GetActScreen(), kStateMainGame);
  }
}

TEST(ProgressOnDisk, AFullDiskIsToldOnceAndCostsNothingOnceThereIsRoom) {
  OnALevel on;
  on.begin(1, 1);
  std::vector<std::string> told;
  bindDialogs({[&](const std::string& text, std::shared_ptr<TEkran>, int showNo) {
                 EXPECT_EQ(showNo, 0) << "a notice, not a question";
                 told.push_back(text);
                 return 1;
               },
               nullptr});

  // Every write fails as on a full disk until there is room again.
  SetAtomicWriteFaultForTests([](const std::string& step) {
    if (step != "write") return false;
    errno = ENOSPC;
    return true;
  });
  std::string where = on.winAndGoOn();
  ASSERT_EQ(where, kStateNextLevel);
  ASSERT_EQ(told.size(), 1u) << "at the first failed save, the level's start";
  EXPECT_NE(told[0].find("the disk is full"), std::string::npos) << told[0];
  EXPECT_NE(told[0].find("Folder: ~/Library/Preferences/.Sorvanta."), std::string::npos) << told[0];
  test::StdoutLines([&] { where = control->runState(where); });
  ASSERT_EQ(where, kStateStageScreen);
  EXPECT_EQ(told.size(), 1u) << "told once a run";
  EXPECT_EQ(OnDisk(on.player())->QUEST_LevelPlayed(on.stage, on.level), 0);

  SetAtomicWriteFaultForTests(nullptr);
  test::StdoutLines([&] { profileManager->saveProfiles(); });
  auto saved = OnDisk(on.player());
  EXPECT_EQ(saved->QUEST_LevelPlayed(on.stage, on.level), 1);
  EXPECT_TRUE(saved->QUEST_LevelUnlocked(on.stage, on.level + 1));
  EXPECT_EQ(told.size(), 1u) << "nothing said when saving works again";
}

// A save that fails as the game quits: a player who asked to quit is asked,
// before the window goes, whether to try again; a signal asks no one, and
// one while she is asked ends the question but not the last attempt, and so
// does the display going away. Where no box would open, the game's pop-up
// says it in the window; a quit asked over that quits.
// Progress left unsaved ends the game with a status that is not 0 and one
// line on standard error saying what was not saved, where.
TEST(ProgressOnDisk, ASaveThatFailsAsTheGameQuitsIsToldAndEndsWithAFailure) {
  struct Case {
    const char* name;
    bool bySignal;
    std::vector<int> answers;  // one per question: 0 try again, 1 quit anyway, -1 no box, or kBoxFailed
    bool roomOnceAsked;
    int status;
    bool signalWhileAsked = false;
    bool displayLostWhileAsked = false;
    bool toldInWindow = false;
    bool quitWhileToldInWindow = false;
  };
  const Case cases[] = {
      {"quit anyway", false, {1}, false, 1},
      {"try again, still full, quit anyway", false, {0, 1}, false, 1},
      {"try again once there is room", false, {0}, true, 0},
      {"no box could be shown", false, {-1}, false, 1},
      {"ended by a signal", true, {}, false, 1},
      {"a signal ends the box: one last attempt, nothing told in the window", false, {kBoxFailed}, true, 0, true},
      {"the box would not open: told in the window", false, {kBoxFailed}, false, 1, false, false, true},
      {"a quit while told in the window: no more questions", false, {kBoxFailed}, false, 1, false, false, true, true},
      {"the display goes while asked: one last attempt, no more questions, an error's status", false, {0}, false, -1,
       false, true},
  };
  // One game for every case, each quitting as a run of its own would: no
  // signal yet, the display there, boxes free to show.
  OnALevel on;
  on.begin(1, 1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // qemu-user's i386 signal frames overwrite the program's memory (the same
    // program passes natively): a raised signal proves nothing there.
    if (c.bySignal && test::UnderUserEmulation()) continue;
    ResetInputState();
    ResetDisplayLostForTests();
    ResetBoxEnding();
    size_t asked = 0;
    std::string question;
    std::vector<std::string> inWindow;
    bindDialogs({[&](const std::string& text, std::shared_ptr<TEkran>, int showNo) {
                   // Said here, in the output StdoutLines keeps: what is not as told.
                   inWindow.push_back((showNo ? "a question: " : "") + text +
                                      (messageWaiting() ? " (and another notice waits)" : ""));
                   if (c.quitWhileToldInWindow) quitGame();
                   return 1;
                 },
                 nullptr});
    bindQuitQuestion([&](const std::string& text, const std::vector<std::string>& answers) {
      EXPECT_EQ(answers, (std::vector<std::string>{"Try again", "Quit anyway"}));
      question = text;
      if (c.roomOnceAsked) SetAtomicWriteFaultForTests(nullptr);
      if (c.signalWhileAsked) std::raise(SIGTERM);
      if (c.displayLostWhileAsked && asked == 0) {
        ++asked;
        LoseDisplayForTests(":7");
      }
      return asked < c.answers.size() ? c.answers[asked++] : (++asked, 1);
    });
    SetAtomicWriteFaultForTests([](const std::string& step) {
      if (step != "write") return false;
      errno = ENOSPC;
      return true;
    });
    if (c.bySignal) std::raise(SIGTERM);
    ::testing::internal::CaptureStderr();
    const int status = test::EndStatus([] { ende(0); });
    const std::string err = ::testing::internal::GetCapturedStderr();
    SetAtomicWriteFaultForTests(nullptr);
    bindQuitQuestion(nullptr);

    EXPECT_EQ(status, c.status);
    EXPECT_EQ(asked, c.answers.size());
    if (asked > 0) {
      EXPECT_NE(question.find("the disk is full"), std::string::npos) << question;
      EXPECT_NE(question.find("If you quit now"), std::string::npos) << question;
    }
    ASSERT_EQ(inWindow.size(), c.toldInWindow ? 1u : 0u);
    if (c.toldInWindow) {
      EXPECT_EQ(inWindow[0], Replace(question, "\n\n", " "));
    }
    std::vector<std::string> unsaved;
    std::istringstream lines(err);
    for (std::string line; std::getline(lines, line);)
      if (line.find("progress not saved") != std::string::npos) unsaved.push_back(line);
    ASSERT_EQ(unsaved.size(), c.status == 0 ? 0u : 1u) << err;
    EXPECT_EQ(err.find("Sorvanta: the display :7 went away") != std::string::npos, c.displayLostWhileAsked) << err;
    if (c.status != 0) {
      EXPECT_NE(unsaved[0].find("No space left on device"), std::string::npos) << unsaved[0];
      EXPECT_NE(unsaved[0].find(ProfilesFolder() + "/65_78_78_65"), std::string::npos) << unsaved[0];
      EXPECT_NE(unsaved[0].find(settings().path()), std::string::npos) << unsaved[0];
    } else {
      EXPECT_EQ(LoadBytes(settings().path()).empty(), false);
    }
  }
}

// The settings are what the player chose: a settings file that cannot be
// written is told as a player's file is, once a run; the first one too,
// written as loading starts, before the notice has its texts.
TEST(ProgressOnDisk, AFailedSettingsSaveIsToldOnceARun) {
  SetAtomicWriteFaultForTests([](const std::string& step) {
    if (step != "rename") return false;
    errno = EPERM;
    return true;
  });
  OnALevel on;
  on.begin(1, 1);
  ASSERT_TRUE(messageWaiting());
  const std::string told = takeWaitingMessage();
  EXPECT_NE(told.find("the game may not write there"), std::string::npos) << told;
  settings().musicVol = 0.25f;
  test::StdoutLines([] {
    settings().save();
    profileManager->saveProfiles();
  });
  SetAtomicWriteFaultForTests(nullptr);
  EXPECT_FALSE(messageWaiting()) << "told once a run";
}

// The per-user folder moved away while the game runs, another copy's in its
// place: nothing is written or made by the name, every save fails with that
// reason and is told; back under its name, the folder takes saves again.
TEST(ProgressOnDisk, AFolderMovedAwayIsNeverWrittenThroughItsName) {
  OnALevel on;
  on.begin(1, 1);
  saveNoticeRun().told = false;
  takeWaitingMessage();
  const std::string folder = myDocsFolder;
  auto everything = [&] {
    std::map<std::string, std::string> found;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
      found[e.path().string()] = e.is_regular_file() ? LoadBytes(e.path().string()) : "folder";
    return found;
  };
  std::filesystem::rename(folder, folder + ".moved");
  test::WriteFile(folder + "/Profiles/profiles.dat", "the other copy's");
  test::WriteFile(folder + "/Data/settings.dat", "the other copy's");
  const auto others = everything();
  clearFailedSaves();
  test::StdoutLines([] {
    profileManager->saveProfiles();
    settings().save();
  });
  EXPECT_EQ(everything(), others);
  EXPECT_EQ(failedSaves().cause, kCauseFolderMoved);
  ASSERT_TRUE(messageWaiting());
  EXPECT_NE(takeWaitingMessage().find("its folder was moved or renamed"), std::string::npos);

  std::filesystem::remove_all(folder);
  std::filesystem::rename(folder + ".moved", folder);
  clearFailedSaves();
  test::StdoutLines([] { profileManager->saveProfiles(); });
  EXPECT_TRUE(failedSaves().what.empty());
  EXPECT_EQ(OnDisk(on.player())->name, "ANNA");
}

}  // namespace
}  // namespace sorvanta
