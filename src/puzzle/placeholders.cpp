#include "puzzle/placeholders.h"

#include "core/globals.h"
#include "formats/txt_file.h"
#include "gui/my_font.h"

namespace sorvanta {

std::shared_ptr<TMainGame> mainGame;
std::shared_ptr<TLevelSummary> levelSummary;
std::shared_ptr<TLoseScreen> loseScreen;
std::shared_ptr<TTutorial> tutorial;

std::list<std::shared_ptr<TFlyingHint>> flyingHints;
std::list<std::shared_ptr<TFlyingTile>> flyingTiles;
std::list<std::shared_ptr<TParticle>> particlesList;
std::list<std::shared_ptr<TFlyingRock>> flyingRocksList;
std::list<std::shared_ptr<TFlyingAddHint>> flyingAddHints;

void TMainGame::setup() {
  pauseFont = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 72);
  txtPause = readTxtData(loadTxtFile(bDir + "txt/#LANG#/mainGame.txt"), 2);
}

std::string TMainGame::mainloop() { return kStateMainMenu; }

void setupFlyingRocks() {}
void setupFlyingAddHints() {}
void setupParticles() {}

}  // namespace sorvanta
