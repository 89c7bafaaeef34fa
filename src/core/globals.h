#pragma once
// Program-wide globals: set once by start-up (or every frame, for delta) and
// read everywhere. The screen singletons are declared beside their classes.
#include <memory>
#include <string>

namespace sorvanta {

class TImageFont;

extern std::string lang;          // language folder, "en"
extern float delta;               // frame factor, 1.0 at 60 frames per second
extern int pierwszeuruchomienie;  // 1 until the first graphics mode opens
extern std::string myDocsFolder;  // per-user folder
extern std::string txtPause;      // pause screen text
extern std::shared_ptr<TImageFont> pauseFont;
extern std::string myFolderName;  // "Sorvanta"
// Always 0: layouts are read without changing the working folder. The
// loader keeps its switch to read one from the layout's own folder.
extern int GUI_ChangeDir;
extern int cheatsOn;              // FileType("cheats.txt") at start-up
extern std::string bDir;          // resource folder prefix of every asset path
extern int START_DESKTOP_WIDTH_;  // desktop size recorded once at start-up
extern int START_DESKTOP_HEIGHT_;

// Constant design flags: the cells always draw their images and the game has
// no level editor; nothing branches on them.
constexpr int DRAW_TILES_IMAGES = 1;
constexpr int isEditor = 0;

}  // namespace sorvanta
