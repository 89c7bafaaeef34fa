#include "app/bindings.h"

#include "app/app.h"
#include "campaign/campaign_links.h"
#include "campaign/placeholders.h"
#include "core/dialogs.h"
#include "core/ekran.h"
#include "core/frame_bindings.h"
#include "core/globals.h"
#include "formats/text_folders.h"
#include "gui/click_sound.h"
#include "gui/gui.h"
#include "gui/mouse.h"
#include "puzzle/cell_draw_support.h"
#include "puzzle/level_file.h"
#include "puzzle/placeholders.h"
#include "puzzle/player_link.h"
#include "screens/options.h"
#include "screens/pop_up.h"
#include "sound/global_snd.h"

namespace sorvanta {

namespace {

// The campaign's reach into play, the tutorial and the stage screen, and the
// puzzle's reach into the current player.
void bindCampaign() {
  TCampaignLinks links;
  links.loadLevel = [](const std::string& path) { return LoadLevel(path); };
  // Until the play screen takes levels through setLevel, it holds the level it plays here.
  links.setLevel = [](std::shared_ptr<TLevel> level) {
    if (mainGame) mainGame->level = std::move(level);
  };
  // The tutorial is not built yet: no tips, none running.
  links.levelTips = [] { return std::vector<std::shared_ptr<TTutorialTip>>{}; };
  links.dropRunningTip = [] {};
  links.stageScreenNoPrepare = [] {
    if (stageScreen) stageScreen->noPrepare = 1;
  };
  bindCampaignLinks(std::move(links));
  BindPlayerGameType([]() -> std::string {
    auto profile = profileManager ? profileManager->profile : nullptr;
    return profile ? profile->gameType : "NORMAL";
  });
}

}  // namespace

void bindLayers() {
  bindCampaign();
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
