// The table of program-wide state kept around every test, and the listener
// that takes and restores it.
#include "support/global_state.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "app/app.h"
#include "app/bindings.h"
#include "app/control.h"
#include "campaign/level_manager.h"
#include "campaign/profile_manager.h"
#include "campaign/save_notice.h"
#include "core/delta_time.h"
#include "core/dialogs.h"
#include "core/display.h"
#include "core/folders.h"
#include "core/globals.h"
#include "core/settings.h"
#include "core/states.h"
#include "gui/img.h"
#include "gui/mouse.h"
#include "gui/my_font.h"
#include "map/map_screen.h"
#include "map/stage_screen.h"
#include "platform/audio_internal.h"
#include "platform/clock.h"
#include "platform/display_lost.h"
#include "platform/files.h"
#include "platform/folder_entries.h"
#include "platform/input.h"
#include "platform/input_internal.h"
#include "platform/random.h"
#include "platform/read_back.h"
#include "platform/single_copy.h"
#include "platform/system.h"
#include "platform/video.h"
#include "platform/soft_canvas.h"
#include "platform/video_backend.h"
#include "platform/video_internal.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/flying_rock.h"
#include "puzzle/board/hint.h"
#include "puzzle/board/level.h"
#include "puzzle/board/number.h"
#include "puzzle/board/tile.h"
#include "puzzle/puzzle_play.h"
#include "puzzle/tutorial/arrow.h"
#include "screens/credits.h"
#include "screens/loading_screen.h"
#include "screens/main_menu.h"
#include "screens/more_games.h"
#include "screens/options.h"
#include "screens/pick_tryb.h"
#include "screens/pop_up.h"
#include "screens/profile_name.h"
#include "screens/quest_continue.h"
#include "sound/global_snd.h"
#include "sound/volume_settings.h"
#include "story/intro.h"
#include "story/outro.h"

namespace sorvanta::test {
namespace {

struct Entry {
  std::string name;
  Snapshot take;
  // The globals of src/ the entry puts back when its name is not theirs:
  // "TATile::font", or "file.cpp: name" for a function's static.
  std::vector<std::string> covers = {};
};

// An environment variable, unset or not.
Snapshot Environment(const char* name) {
  return [name] {
    std::optional<std::string> old;
    if (const char* value = std::getenv(name)) old = value;
    return Restore([name, old] { old ? ::setenv(name, old->c_str(), 1) : ::unsetenv(name); });
  };
}

Snapshot WorkingFolder() {
  return [] { return Restore([old = std::filesystem::current_path()] { std::filesystem::current_path(old); }); };
}

// The drawing layer's state: colour, blend, origin, viewport, virtual
// resolution, font, the harness's present hooks. Tests start with no graphics
// mode; one a test leaves open is closed.
Snapshot DrawingState() {
  return [] {
    return Restore([saved = Video()] {
      if (GraphicsOpen()) EndGraphics();
      const int generation = Video().generation;  // only ever grows
      Video() = saved;
      Video().generation = generation;
    });
  };
}

// Input starts empty. Events still queued in the system (a pointer warp of a
// closed window) are taken first, so that no later frame receives them.
void ForgetInput() {
  SetPollHook(nullptr);
  PollSystem();
  ResetInputState();
  ShowMouse();
}


// Registered first, so put back last: the platform under everything else.
std::vector<Entry>& Table() {
  static std::vector<Entry> table = {
      {"$HOME", Environment("HOME")},
      {"working folder", WorkingFolder()},
      {"drawing state", DrawingState(), {"platform/video.cpp: state", "platform/video_mode.cpp: backend"}},
      {"drawing back end's wrap", ResetBy([] { SetBackendWrapForTests(nullptr); }), {"platform/video_mode.cpp: wrap"}},
      {"drawing on the CPU allowed", ResetBy([] { SetSoftCanvasAllowed(true); }), {"platform/video_mode.cpp: allowed"}},
      {"span width", ResetBy([] { SetSoftSpanWidth(8); }), {"spanWidth"}},
      {"notice window query", ResetBy([] { SetNotifyWindowQuery(nullptr); }), {"platform/system.cpp: query"}},
      {"input and cursor", ResetBy(ForgetInput), {"platform/input.cpp: state", "platform/input.cpp: hook"}},
      {"sound device", ResetBy([] { SetAudioClockDriven(false); }), {"platform/audio.cpp: audio"}},
      {"clock", ResetBy([] { SetTestClock(nullptr); }), {"platform/clock.cpp: clock", "platform/clock.cpp: on_delay"}},
      {"random generator", ResetBy(ResetRandomForTests), {"platform/random.cpp: generator"}},
      {"end handler", ResetBy([] { SetEndHandler(nullptr); }), {"platform/system.cpp: handler"}},
      {"atomic write fault", ResetBy([] { SetAtomicWriteFaultForTests(nullptr); }), {"platform/atomic_write.cpp: fault"}},
      {"move aside fault", ResetBy([] { SetMoveAsideFaultForTests(nullptr); }), {"platform/folder_entries.cpp: fault"}},
      {"system pointer reader", ResetBy([] { SetSystemPointerForTests(nullptr); }), {"platform/input.cpp: reader"}},
      {"one copy's lock", ResetBy(ReleaseCopyLock), {"platform/single_copy.cpp: h"}},
      {"save failure notice", Value(saveNoticeRun()), {"campaign/save_notice.cpp: run"}},
      {"failed saves", ResetBy(clearFailedSaves), {"campaign/save_notice.cpp: f"}},
      {"why the folders could not be made", ResetBy(ResetDataFolderCauseForTests), {"core/folders.cpp: cause"}},
      {"quit question", ResetBy([] { bindQuitQuestion(nullptr); }), {"app/app.cpp: ask"}},
      {"messages waiting for the frame's end", ResetBy([] {
         do takeWaitingMessage();  // also forgets the frames it was held
         while (messageWaiting());
       }),
       {"core/dialogs.cpp: texts", "core/dialogs.cpp: frames"}},
      {"display lost", ResetBy(ResetDisplayLostForTests), {"g_lost"}},
      {"display driver", ResetBy([] { SetDisplayDriver(nullptr); }), {"core/display.cpp: driver"}},
      {"volumes bound to the settings", ResetBy([] { bindVolumeSettings(nullptr, nullptr); }),
       {"soundSource", "musicSource"}},
      {"settings", Value(settings()), {"core/settings.cpp: record"}},
      // Each seam of src/ that bindLayers binds.
      {"seams bound at start-up", ResetBy(bindLayers),
       {"campaign/campaign_links.cpp: links", "core/dialogs.cpp: bindings", "core/ekran.cpp: bindings",
        "core/frame_bindings.cpp: bindings", "core/settings.cpp: told", "formats/text_folders.cpp: folders",
        "gui/click_sound.cpp: play", "platform/display_lost.cpp: handler", "puzzle/board/board_links.cpp: bound",
        "puzzle/board/cell_draw_support.cpp: source", "puzzle/board/player_link.cpp: player",
        "puzzle/board/player_link.cpp: source", "puzzle/play/tutorial_links.cpp: bound"}},
      {"registered states", Value(registeredStatesForTests()), {"core/states.cpp: operations"}},

      {"lang", Value(lang)},
      {"delta", Value(delta)},
      {"pierwszeuruchomienie", Value(pierwszeuruchomienie)},
      {"myDocsFolder", Value(myDocsFolder)},
      {"txtPause", Value(txtPause)},
      {"pauseFont", Value(pauseFont)},
      {"myFolderName", Value(myFolderName)},
      {"GUI_ChangeDir", Value(GUI_ChangeDir)},
      {"cheatsOn", Value(cheatsOn)},
      {"bDir", Value(bDir)},
      {"START_DESKTOP_WIDTH_", Value(START_DESKTOP_WIDTH_)},
      {"START_DESKTOP_HEIGHT_", Value(START_DESKTOP_HEIGHT_)},

      {"aspectOriginX", Value(aspectOriginX)},
      {"aspectOriginY", Value(aspectOriginY)},
      {"aspectWidth", Value(aspectWidth)},
      {"aspectHeight", Value(aspectHeight)},
      {"aspectMode", Value(aspectMode)},
      {"aspectBorderRed", Value(aspectBorderRed)},
      {"aspectBorderGreen", Value(aspectBorderGreen)},
      {"aspectBorderBlue", Value(aspectBorderBlue)},

      {"TDeltaTime::DeltaTList", Value(TDeltaTime::DeltaTList()), {"core/delta_time.cpp: timers"}},
      {"deltaTime", Value(deltaTime)},
      {"TMouse::img", Value(TMouse::img)},
      {"TMyFont::listaFontow", Value(TMyFont::listaFontow)},
      {"imgTextures", Value(imgTextures)},

      {"control", Value(control)},
      {"mouse", Value(mouse)},
      {"globalSnd", Value(globalSnd)},
      {"options", Value(options)},
      {"popUp", Value(popUp)},
      {"loading", Value(loading)},

      {"mainGame", Value(mainGame)},
      {"levelSummary", Value(levelSummary)},
      {"loseScreen", Value(loseScreen)},
      {"TNumber::font", Value(TNumber::font)},
      {"TATile::font", Value(TATile::font)},
      {"TATile::font2", Value(TATile::font2)},
      {"THint::img", Value(THint::img)},
      {"THint::last", Value(THint::last)},
      {"TTile::eAlpha", Value(TTile::eAlpha)},
      {"TTile::dEAlpha", Value(TTile::dEAlpha)},
      {"tutorial", Value(tutorial)},
      {"TTutorial::tipsList", Value(TTutorial::tipsList)},
      {"TTutorial::specialTipsList", Value(TTutorial::specialTipsList)},
      {"TArrow::img", Value(TArrow::img)},
      {"tilesData", Value(tilesData)},
      {"colorsList", Value(colorsList)},
      {"flyingHints", Value(flyingHints)},
      {"flyingTiles", Value(flyingTiles)},
      {"particlesList", Value(particlesList)},
      {"TParticle::img", Value(TParticle::img)},
      {"flyingRocksList", Value(flyingRocksList)},
      {"flyingAddHints", Value(flyingAddHints)},
      {"TFlyingRock::img", Value(TFlyingRock::img)},
      {"TFlyingAddHint::img", Value(TFlyingAddHint::img)},
      {"TTile::empty", Value(TTile::empty)},
      {"TATile::empty", Value(TATile::empty)},
      {"TATile::xImg", Value(TATile::xImg)},
      {"TColor images",
       ResetBy([] {
         TColor::xImg = {};
         TColor::pointImg = TColor::pointImgBlack = {};
         TColor::numbers = TColor::numbersBlack = {};
       }),
       {"TColor::xImg", "TColor::pointImg", "TColor::pointImgBlack", "TColor::numbers", "TColor::numbersBlack"}},
      {"TATile fonts", ResetBy([] { TATile::font = TATile::font2 = {}; })},
      {"TATile::lightAnim", Value(TATile::lightAnim)},
      {"TATile::dLightAnim", Value(TATile::dLightAnim)},
      {"TATile::pomXX", Value(TATile::pomXX)},
      {"TATile::pomYy", Value(TATile::pomYy)},
      {"TLevel::frameStepX", Value(TLevel::frameStepX)},
      {"TLevel::frameStepY", Value(TLevel::frameStepY)},

      {"profileManager", Value(profileManager)},
      {"profileName", Value(profileName)},
      {"mainMenu", Value(mainMenu)},
      {"moreGames", Value(moreGames)},
      {"OpenURL handler", ResetBy([] { SetOpenURLHandlerForTests(nullptr); })},
      {"levelManager", Value(levelManager)},
      {"mapScreen", Value(mapScreen)},
      {"stageScreen", Value(stageScreen)},
      {"TStageScreen::storyTexts", Value(TStageScreen::storyTexts)},
      {"pickTryb", Value(pickTryb)},
      {"credits", Value(credits)},
      {"outro", Value(outro)},
      {"intro", Value(intro)},
      {"TStoryText::font", Value(TStoryText::font)},
      {"continueQuest", Value(continueQuest)},
  };
  return table;
}

}  // namespace

KeepGlobal::KeepGlobal(std::string name, Snapshot take) { Table().push_back({std::move(name), std::move(take)}); }

std::vector<std::string> KeptGlobalNames(bool coversOnly) {
  std::vector<std::string> names;
  for (const Entry& entry : Table()) {
    if (!coversOnly) names.push_back(entry.name);
    names.insert(names.end(), entry.covers.begin(), entry.covers.end());
  }
  return names;
}

Restore TakeGlobals() {
  std::vector<std::pair<std::string, Restore>> taken;
  taken.reserve(Table().size());
  for (const Entry& entry : Table()) taken.emplace_back(entry.name, entry.take());
  return [taken = std::move(taken)] {
    // One that cannot be put back (its folder is gone) fails the test, not the run.
    for (auto it = taken.rbegin(); it != taken.rend(); ++it) {
      try {
        it->second();
      } catch (const std::exception& e) {
        ADD_FAILURE() << "Cannot put back " << it->first << ": " << e.what();
      }
    }
  };
}

void GlobalStateGuard::Push() { open_.push_back(TakeGlobals()); }

void GlobalStateGuard::Pop() {
  if (open_.empty()) return;
  Restore restore = std::move(open_.back());
  open_.pop_back();
  restore();
}

}  // namespace sorvanta::test
