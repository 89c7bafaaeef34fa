#pragma once
// The options overlay: a modal panel drawn over the screen that opened it,
// editing the settings record (core/settings.h). Its setting fields are that
// record's fields under the overlay's names.
#include <memory>
#include <string>

#include "core/design_size.h"
#include "core/ekran.h"
#include "core/settings.h"

namespace sorvanta {

class TImage;
class TImageFont;

class TOptions : public TEkran {
 public:
  // Starts the settings record from its first-run values.
  TOptions();

  int SCREEN_WIDTH = kDesignWidth;
  int SCREEN_HEIGHT = kDesignHeight;
  std::shared_ptr<TEkran> ekran;  // the screen the overlay is drawn over
  std::shared_ptr<TImage> kosc;   // volume knob
  std::shared_ptr<TImage> pasek;
  std::shared_ptr<TImage> panel;
  std::shared_ptr<TImage> tytul;  // title plate
  std::shared_ptr<TImage> bar2;   // volume bar background
  std::shared_ptr<TImageFont> font;
  std::shared_ptr<TImageFont> fontTitle;
  int vx = -10;                   // horizontal offset of the panel contents
  // Before vx: a volume bar's drag area, whose width maps to the volumes 0
  // to 1, and the knob centre at volume 0, travelling the same width (the
  // layout keeps "-" and "+" clear of both ends).
  static constexpr float kBarLeft = 348, kBarWidth = 337, kKnobLeft = 350;
  // The column of wide buttons: room for kColumnRows from kColumnTop, one
  // every kColumnStep; fewer stand centred in it.
  static constexpr float kColumnTop = 365, kColumnStep = 58;
  static constexpr int kColumnRows = 4;
  static constexpr float columnTop(int shown) { return kColumnTop + (kColumnRows - shown) * kColumnStep / 2; }
  int& fullScreen;
  int& wideScreen;
  int& customCursor;
  float& soundVol;
  float& musicVol;
  int& lastLoadedMusic;
  int cursor = 0;
  // Row of a colour's image table that the cells and the palette draw: 0, as
  // nothing sets it; the second row is loaded for every colour all the same.
  int pickedColorType = 0;
  std::string txtMusicVolume, txtSoundVolume, txtSettings, txtFullScreen,
      txtWideScreen, txtCustomCursor, txt100, txtAreYouSure;
  int debugMode = 1;
  float zarAlpha = 0.0f, dZarAlpha = 0.0f;
  std::shared_ptr<TImage> bar;    // volume bar frame
  int holdedMusic = 0, holdedSound = 0;

  // The settings record's operations, and what they mean for the cursor and
  // the sound registry.
  void setupMouse();
  void loadLastMusic();
  void saveOptions();
  void loadOptions();
  void openScreen();
  void checkSoundStuff();
  void switchScreen();

  // Overlay.
  void setup() override;
  void draw() override;
  void update() override;
  void _drawBack();
  // The left fraction of the bar image; kept with the screen's interface,
  // nothing calls it.
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
  // Closes the holes the hidden buttons of the column would leave.
  void _stackButtons();
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
