#include "puzzle/placeholders.h"

#include "core/globals.h"
#include "formats/txt_file.h"
#include "gui/my_font.h"

namespace sorvanta {

std::shared_ptr<TMainGame> mainGame;
std::shared_ptr<TLevelSummary> levelSummary;
std::shared_ptr<TLoseScreen> loseScreen;
std::shared_ptr<TTutorial> tutorial;

void TMainGame::setup() {
  pauseFont = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 72);
  txtPause = readTxtData(loadTxtFile(bDir + "txt/#LANG#/mainGame.txt"), 2);
}

std::string TMainGame::mainloop() { return kStateMainMenu; }

}  // namespace sorvanta
