#include "core/globals.h"

namespace sorvanta {

std::string lang = "en";
float delta = 0.0f;
int pierwszeuruchomienie = 1;
std::string myDocsFolder;
std::string txtPause;
std::shared_ptr<TImageFont> pauseFont;
std::string myFolderName = "Sorvanta";
int GUI_ChangeDir = 0;
int cheatsOn = 0;
std::string bDir;
int START_DESKTOP_WIDTH_ = 0;
int START_DESKTOP_HEIGHT_ = 0;

}  // namespace sorvanta
