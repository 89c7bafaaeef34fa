#pragma once
// The live settings and the options overlay. Every part of the game reads
// the settings straight from the one instance `options`; the overlay is the
// same object drawn as a modal panel over the screen that opened it.
#include <memory>
#include <string>

#include "core/ekran.h"

namespace sorvanta {

class TImage;
class TImageFont;

class TOptions : public TEkran {
 public:
  TOptions();

  int SCREEN_WIDTH = 1024;   // virtual screen size, read by widget alignment
  int SCREEN_HEIGHT = 768;
  std::shared_ptr<TEkran> ekran;  // the screen the overlay is drawn over
  std::shared_ptr<TImage> kosc;   // volume knob
  std::shared_ptr<TImage> pasek;
  std::shared_ptr<TImage> panel;
  std::shared_ptr<TImage> tytul;  // title plate
  std::shared_ptr<TImage> bar2;   // volume bar background
  std::shared_ptr<TImageFont> font;
  std::shared_ptr<TImageFont> fontTitle;
  int vx = -10;                   // horizontal offset of the panel contents
  int fullScreen = 1;
  int wideScreen = 1;
  int customCursor = 1;
  float soundVol = 0.5f;
  float musicVol = 0.5f;
  int lastLoadedMusic = 0;        // 1-based music track last started, 0 none
  int cursor = 0;
  int pickedColorType = 0;        // row of a colour's image table to draw
  std::string txtMusicVolume, txtSoundVolume, txtSettings, txtFullScreen,
      txtWideScreen, txtCustomCursor, txt100, txtAreYouSure;
  int debugMode = 1;
  float zarAlpha = 0.0f, dZarAlpha = 0.0f;
  std::shared_ptr<TImage> bar;    // volume bar frame
  int holdedMusic = 0, holdedSound = 0;

  // Settings.
  void setupMouse();
  void loadLastMusic();
  void saveOptions();
  void loadOptions();
  void openScreen();
  void checkSoundStuff();
  void switchScreen();
  std::string settingsPath() const;  // myDocsFolder + "/Data/settings.dat"

  // Overlay.
  void setup() override;
  void draw() override;
  void update() override;
  void _drawBack();
  void _drawPasek(float x, float y, float fraction);
  void _drawBars();
  void _drawHelp() {}
  void _drawPanel();
  void _drawTexts();
  void _updateGUIOperations();
  void _updateSpecGuiAlpha() {}
  int mouseInMusicA();
  int mouseInMusicB();
  int mouseInSoundA();
  int mouseInSoundB();
  void _updateZarowka();
  void prepare(std::shared_ptr<TEkran> screen);
  std::string mainLoop(std::shared_ptr<TEkran> screen);
  void goProfile();
  void goRULES() {}
  void goCREDITS();
  void goBackToMap();
  void goRESTART();
  void goMAINMENU();

 private:
  void showWidget(const std::string& name, bool on);
  void examineClicks();
};

extern std::shared_ptr<TOptions> options;

}  // namespace sorvanta
