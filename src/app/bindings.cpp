#include "app/bindings.h"

#include "app/app.h"
#include "campaign/campaign_links.h"
#include "campaign/profile_manager.h"
#include "campaign/save_notice.h"
#include "core/dialogs.h"
#include "core/ekran.h"
#include "core/frame_bindings.h"
#include "core/globals.h"
#include "core/settings.h"
#include "formats/text_folders.h"
#include "gui/click_sound.h"
#include "gui/gui.h"
#include "gui/mouse.h"
#include "map/stage_screen.h"
#include "platform/display_lost.h"
#include "puzzle/board/board_links.h"
#include "puzzle/board/cell_draw_support.h"
#include "puzzle/board/level_file.h"
#include "puzzle/board/player_link.h"
#include "puzzle/board/ruleset.h"
#include "puzzle/play/tutorial_links.h"
#include "puzzle/puzzle_play.h"
#include "screens/options.h"
#include "screens/pop_up.h"
#include "sound/global_snd.h"
#include "story/intro.h"
#include "story/outro.h"

namespace sorvanta {

namespace {

std::shared_ptr<TProfile> currentPlayer() { return profileManager ? profileManager->profile : nullptr; }

// The play screen and its panels reach the current player through these.
void bindPlayer() {
  BindPlayerGameType([] {
    auto p = currentPlayer();
    return p ? p->gameType : std::string("NORMAL");
  });
  TPlayerBindings player;
  player.present = [] { return currentPlayer() != nullptr; };
  player.tryb = [] { return currentPlayer()->tryb; };
  player.tool = [] { return currentPlayer()->tool; };
  player.setTool = [](int tool) { currentPlayer()->tool = tool; };
  player.stage = [] { return currentPlayer()->position().stage; };
  player.setActScreen = [](const std::string& s) { currentPlayer()->SetActScreen(s); };
  player.putData = [](int played) { currentPlayer()->QUEST_PutData(played); };
  player.levelNumber = [] { return currentPlayer()->CountLevelNumber(); };
  player.saveProfiles = [] {
    if (profileManager) profileManager->saveProfiles();
  };
  player.actLevel = [](int tryb) { return currentPlayer()->positionOf(tryb).level; };
  player.pendingTips = [] { return &currentPlayer()->lekcjeTutoriala; };
  BindPlayer(std::move(player));
}

// The campaign's reach into play, the tutorial and the stage screen.
void bindCampaign() {
  TCampaignLinks links;
  links.loadLevel = [](const std::string& path) { return LoadLevel(path); };
  links.setLevel = [](std::shared_ptr<TLevel> level) {
    if (mainGame) mainGame->setLevel(std::move(level));
  };
  links.levelTips = [] {
    return std::vector<std::shared_ptr<TTutorialTip>>(TTutorial::tipsList.begin(), TTutorial::tipsList.end());
  };
  links.tipById = [](const std::string& id) { return tutorial ? tutorial->getTipById(id) : nullptr; };
  links.dropRunningTip = [] {
    if (tutorial) tutorial->actTip = nullptr;
  };
  links.stageScreenNoPrepare = [] {
    if (stageScreen) stageScreen->noPrepare = 1;
  };
  bindCampaignLinks(std::move(links));
}

// The board's cells and effects reach the play screen that holds them.
void bindBoard() {
  TBoardLinks links;
  links.level = [] { return mainGame ? mainGame->level : nullptr; };
  links.pickedColor = [] { return mainGame ? mainGame->pickedColor : nullptr; };
  links.lastColor = [] { return mainGame ? mainGame->lastColor : nullptr; };
  links.state = [] { return mainGame ? mainGame->state : 1; };
  links.hoveredHint = []() -> const THint* { return mainGame ? mainGame->overHint.get() : nullptr; };
  links.addMistake = [] {
    if (mainGame) mainGame->AddMistake();
  };
  links.addHintPower = [] {
    if (mainGame) mainGame->AddHintPower();
  };
  BindBoardLinks(std::move(links));
}

// The play screen runs the tutorial's tips over itself.
void bindTutorial() {
  TTutorialLinks links;
  links.update = [](const std::shared_ptr<TEkran>& screen, int tryb) { _updateTutorial(screen, tryb); };
  links.draw = [](const std::shared_ptr<TEkran>& screen) { _drawTutorial(screen); };
  links.dropRunningTip = [] {
    if (tutorial) tutorial->actTip = nullptr;
  };
  BindTutorialLinks(std::move(links));
}

}  // namespace

void bindLayers() {
  bindCampaign();
  bindPlayer();
  bindBoard();
  bindTutorial();
  bindTextFolders([] { return lang; }, [] { return bDir; });
  bindClickSound([] {
    if (globalSnd) globalSnd->click();
  });
  bindScreenLayout({
      [](TGui& gui) { gui.draw(); },
      [](TGui& gui, float alpha) {
        gui.update();
        for (auto& object : gui.objects) object->SetMyAlpha(alpha);
        gui.setGuiAlpha(alpha);
      },
  });
  TFrameBindings frame;
  frame.quit = [](int status) { ende(status); };
  frame.updateInput = [] {
    if (mouse) mouse->update();
  };
  frame.drawCursor = [] {
    if (mouse) mouse->draw();
  };
  frame.updateSound = [] {
    if (globalSnd) globalSnd->update();
  };
  // The story's caption timers and the music stand still while paused.
  frame.pause = [] {
    if (intro) intro->pause();
    if (outro) outro->pause();
    if (globalSnd) globalSnd->pauseSounds();
  };
  frame.resume = [] {
    if (intro) intro->unpause();
    if (outro) outro->unpause();
    if (globalSnd) globalSnd->resumeSounds();
  };
  bindFrame(std::move(frame));
  // The settings are what the player chose: a failed save is told as a
  // player's file is.
  bindSettingsSaveFailed([](int cause, const std::string& path) { playerSaveFailed(cause, path); });
  // A display that goes away ends the game as a terminate request does.
  SetDisplayLostHandler([](const std::string& display) { endWithoutDisplay(display); });
  BindPictureStyle([] { return options ? options->pickedColorType : 0; });
  bindDialogs({
      [](const std::string& text, std::shared_ptr<TEkran> screen, int showNo) {
        return popUp ? popUp->mainLoop(text, std::move(screen), showNo) : 0;
      },
      [](std::shared_ptr<TEkran> screen) {
        return options ? options->mainLoop(std::move(screen)) : std::string();
      },
  });
}

}  // namespace sorvanta
