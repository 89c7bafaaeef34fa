#include "app/app.h"

#include <cerrno>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/bindings.h"
#include "app/control.h"
#include "app/loading_steps.h"
#include "campaign/campaign_states.h"
#include "campaign/level_manager.h"
#include "campaign/profile_manager.h"
#include "campaign/save_notice.h"
#include "core/delta_time.h"
#include "core/dialogs.h"
#include "core/folders.h"
#include "core/globals.h"
#include "core/settings.h"
#include "formats/txt_file.h"
#include "gui/img.h"
#include "gui/mouse.h"
#include "map/map_screen.h"
#include "map/map_states.h"
#include "map/stage_screen.h"
#include "platform/display_lost.h"
#include "platform/files.h"
#include "platform/incbin.h"
#include "platform/input.h"
#include "platform/strings.h"
#include "platform/single_copy.h"
#include "platform/system.h"
#include "platform/timings.h"
#include "platform/video.h"
#include "puzzle/puzzle_play.h"
#include "puzzle/puzzle_states.h"
#include "screens/credits.h"
#include "screens/loading_screen.h"
#include "screens/main_menu.h"
#include "screens/more_games.h"
#include "screens/options.h"
#include "screens/pick_tryb.h"
#include "screens/pop_up.h"
#include "screens/profile_name.h"
#include "screens/profiles_screen.h"
#include "screens/quest_continue.h"
#include "screens/screen_states.h"
#include "sound/global_snd.h"
#include "sound/volume_settings.h"
#include "story/intro.h"
#include "story/outro.h"
#include "story/story_states.h"

namespace sorvanta {

void createGlobals() {
  bindLayers();
  for (const char* name : {"font.ttf", "font2.ttf"}) {
    for (std::size_t i = 0; i < kEmbeddedFileCount; ++i)
      if (std::string(kEmbeddedFiles[i].name) == name)
        IncbinAdd(name, kEmbeddedFiles[i].data, kEmbeddedFiles[i].size);
  }
  imgTextures.clear();
  mouse = std::make_shared<TMouse>();
  START_DESKTOP_WIDTH_ = DesktopWidth();
  START_DESKTOP_HEIGHT_ = DesktopHeight();
  deltaTime = TDeltaTime::Create(60.0f);
  tilesData.clear();
  colorsList.clear();
  flyingHints.clear();
  flyingTiles.clear();
  particlesList.clear();
  flyingRocksList.clear();
  flyingAddHints.clear();
  myFolderName = "Sorvanta";
  GUI_ChangeDir = 0;
  cheatsOn = FileType("cheats.txt");
  bDir = GetBundleResourceURL("", "");
}

void registerAllStates() {
  // Each subsystem names what its states run; the machine knows none of them.
  registerScreenStates();
  registerPuzzleStates();
  registerCampaignStates();
  registerMapStates();
  registerStoryStates();
}

void createSingletons() {
  control = std::make_shared<TControl>();
  registerAllStates();
  options = std::make_shared<TOptions>();
  // The sound registry reads both volumes from the live settings.
  bindVolumeSettings([] { return options ? options->soundVol : 0.0f; },
                     [] { return options ? options->musicVol : 0.0f; });
  loading = std::make_shared<TLoadingScreen>();
  addLoadingSteps(*loading);
  profileManager = std::make_shared<TProfilesScreen>();
  profileName = std::make_shared<TProfileName>();
  profileManager->askName = [](std::shared_ptr<TEkran> screen, const std::string& entry, int first, int edit,
                               std::shared_ptr<TProfile> edited) {
    profileName->editedProf = std::move(edited);
    return profileName->mainloop(std::move(screen), entry, "", first, edit);
  };
  globalSnd = std::make_shared<TGlobalSnd>();
  mainGame = std::make_shared<TMainGame>();
  mainMenu = std::make_shared<TMainMenu>();
  moreGames = std::make_shared<TMoreGames>();
  levelSummary = std::make_shared<TLevelSummary>();
  levelManager = std::make_shared<TLevelManager>();
  mapScreen = std::make_shared<TMapScreen>();
  stageScreen = std::make_shared<TStageScreen>();
  loseScreen = std::make_shared<TLoseScreen>();
  pickTryb = std::make_shared<TPickTryb>();
  credits = std::make_shared<TCredits>();
  outro = std::make_shared<TOutro>();
  intro = std::make_shared<TIntro>();
  popUp = std::make_shared<TPopUp>();
  continueQuest = std::make_shared<TQuestContinue>();
  tutorial = std::make_shared<TTutorial>();
}

namespace {

// What the player is told on screen once the game is loaded.
std::string& lockNotice() {
  static std::string text;
  return text;
}

void tellLockNotice() {
  const std::string text = std::exchange(lockNotice(), std::string());
  if (!text.empty()) noticeAtFrameEnd(text);
}

// Settings that could not be read were replaced by the defaults for this
// run: the player hears it once, with where the file went.
void tellSettingsNotice() {
  const TSettings& s = settings();
  if (!s.unreadable && s.keptAs.empty()) return;
  const auto texts = loadTxtFile(bDir + "txt/#LANG#/settings.txt");
  const std::string where = shownFolder(ExtractDir(s.path()));
  if (s.unreadable) noticeAtFrameEnd(Replace(readTxtData(texts, 17), "#WHERE#", where));
  else noticeAtFrameEnd(Replace(Replace(readTxtData(texts, 16), "#FILE#", StripDir(s.keptAs)), "#WHERE#", where));
}

}  // namespace

void endIfAlreadyRunning() {
  const CopyLock lock = TakeCopyLock(myDocsFolder);
  if (lock == CopyLock::kTaken) return;
  if (lock == CopyLock::kUnavailable) {
    // Playing on is better than not at all, but not without a word.
    const std::string why = CauseText(DataFolderCause(errno));
    Print("Cannot make sure that no other copy of Sorvanta uses " + myDocsFolder + " (" + why +
          "); playing on without that check");
    lockNotice() = Replace(readTxtData(loadTxtFile(bDir + "txt/#LANG#/loading.txt"), 3), "#ERROR#", why);
    return;
  }
  const std::string text = readTxtData(loadTxtFile(bDir + "txt/#LANG#/loading.txt"), 2);
  Print(text);
  ShowMessageBox(text);
  End(0);
}

void loadGame(bool fadeOut) {
  systemSetup();
  endIfAlreadyRunning();
  options->loadOptions();
  SetWindowIconFile(bDir + "gfx/icon.png");
  options->openScreen();
  PrintTiming("graphics mode open");
  loading->Setup();
  // Each step shows its progress as soon as it is done.
  const bool paced = FramePacing();
  SetFramePacing(false);
  loading->PART1();
  loading->PART2();
  loading->PART3();
  loading->PART4();
  loading->PART5();
  SetFramePacing(paced);
  PrintTiming("last loading step");
  if (fadeOut) loading->fadeUp();
  profileManager->loadProfiles();
  tellLockNotice();
  tellSettingsNotice();
}

void init() {
  loadGame();
  control->mainLoop();
  ende();
}

namespace {

std::function<int(const std::string&, const std::vector<std::string>&)>& quitQuestion() {
  static std::function<int(const std::string&, const std::vector<std::string>&)> ask = AskMessageBox;
  return ask;
}

// Everything of the player's: the players, the list, and the settings (a
// quit from inside the options would otherwise lose what was just set; an
// unreadable settings file is not saved over, TSettings::save). The saves
// that failed, as failedSaves gives them.
const FailedSaves& saveEverything() {
  clearFailedSaves();
  if (profileManager) profileManager->saveProfiles();
  if (!myDocsFolder.empty()) settings().save();
  return failedSaves();
}

// Whether the notice in the window is up: a quit asked over it quits.
bool& toldInWindow() {
  static bool up = false;
  return up;
}

// Where the platform's box would not open, the game's own notice says in
// its window what is lost, and the game quits once it is read. What waited
// for the frame's end (the same failure, first told) it says already.
void tellInWindow(int cause) {
  while (messageWaiting()) takeWaitingMessage();
  struct Up {
    Up() { toldInWindow() = true; }
    ~Up() { toldInWindow() = false; }
  } up;
  // The pop-up breaks its lines at its width alone.
  tellPlayer(quitNoticeText(cause, " "), nullptr);
}

// The player asked to quit (a signal is no one's answer): may she try again?
// The window is still there, but no frame will come: the platform's box.
bool playerTriesAgain(int cause) {
  if (EndSignalled() || DisplayLost() || toldInWindow()) return false;
  const std::string text = quitNoticeText(cause);
  if (text.empty() || !quitQuestion()) return false;
  const int answer = quitQuestion()(text, {tryAgainText(), quitAnywayText()});
  if (answer == kBoxFailed && !EndSignalled() && !DisplayLost() && GraphicsWidth() > 0) tellInWindow(cause);
  return answer == 0;
}

}  // namespace

void bindQuitQuestion(std::function<int(const std::string&, const std::vector<std::string>&)> ask) {
  quitQuestion() = ask ? std::move(ask) : AskMessageBox;
}

void endWithoutDisplay(const std::string& display) {
  std::fprintf(stderr, "Sorvanta: the display%s%s went away: the game saves and ends\n", display.empty() ? "" : " ",
               display.c_str());
  std::fflush(stderr);
  // Saved or not, the game did not end by choice: an error's status.
  ende(-1);
}

void ende(int status) {
  for (;;) {
    const FailedSaves& failed = saveEverything();
    if (failed.what.empty()) break;
    const bool signalled = EndSignalled();
    if (playerTriesAgain(failed.cause)) continue;
    // A signal ended the box: one last attempt, as at any signal.
    if (!signalled && EndSignalled()) continue;
    std::string what;
    for (const auto& w : failed.what) what += (what.empty() ? "" : ", ") + w;
    std::fprintf(stderr, "Sorvanta: progress not saved (%s): %s\n", CauseText(failed.cause).c_str(), what.c_str());
    std::fflush(stderr);
    if (status == 0) status = 1;
    break;
  }
  End(status);
}

}  // namespace sorvanta
