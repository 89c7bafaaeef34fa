// The play screen's input, rule steps and commands: the steps each play
// state calls, empty until the input of both rulesets, the hints, the tools
// and the commands fill them.
#include "puzzle/main_game.h"

namespace sorvanta {

int TMainGame::_updateTilesOver() { return 0; }
int TMainGame::_updateColorsOver() { return 0; }
int TMainGame::_updateMouseHolded() { return 0; }
int TMainGame::_updateMesalorStandardAction() { return 0; }
int TMainGame::_updateMesalorTilePlay() { return 0; }
int TMainGame::_updateTilesOverMesalor() { return 0; }
int TMainGame::_updateNumbers() { return 0; }
int TMainGame::_updateLoseMesalor() { return 0; }
int TMainGame::_updateHintParticles(int, int) { return 0; }
int TMainGame::_updateTrelmoHint() { return 0; }
int TMainGame::_updateHintsOver() { return 0; }
int TMainGame::_updateGameTryb() { return 0; }
int TMainGame::_updateTools() { return 0; }

std::list<std::shared_ptr<TATile>> TMainGame::GetTilesFromTo(const std::shared_ptr<TATile>&,
                                                             const std::shared_ptr<TATile>&) {
  return {};
}
int TMainGame::ShowTilesMesalor(const std::list<std::shared_ptr<TATile>>&) { return 0; }
int TMainGame::BrakeTilesMesalor(const std::list<std::shared_ptr<TATile>>&) { return 0; }
int TMainGame::ShowTileMesalor(const std::shared_ptr<TATile>&, int) { return 0; }
int TMainGame::BrakeTileMesalor(const std::shared_ptr<TATile>&, int) { return 0; }

int TMainGame::ShowBadTiles() { return 0; }
int TMainGame::goMenu() { return 0; }
int TMainGame::goMainMenu() { return 0; }
int TMainGame::goRestart() { return 0; }
int TMainGame::goMapScreen() { return 0; }
int TMainGame::goShow() { return 0; }
int TMainGame::CONTROL_KEYBOARD() { return 0; }
int TMainGame::CONTROL_GUI() { return 0; }

}  // namespace sorvanta
