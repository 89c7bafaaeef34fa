#pragma once
// The main menu: the title screen with its cross-fading picture pairs,
// pulsing portals and growing logo, and the buttons "play" (mode picker, then
// a new or continued campaign), "settings", "more" and "x". Left alone for
// 20 s it rolls the credits; once fully shown it makes sure there is a player.
#include <memory>
#include <string>

#include "core/ekran.h"

namespace sorvanta {

class TImage;

inline constexpr int kTitlePairs = 5;
// Idle time before the credits roll, in milliseconds.
inline constexpr int kCreditsIdleMs = 20000;

struct TPoint2 {
  float x = 0, y = 0;
};

class TMainMenu : public TEkran {
 public:
  std::shared_ptr<TImage> back;
  std::shared_ptr<TImage> obrazek[kTitlePairs][2];  // picture pairs
  int obrTime[kTitlePairs] = {};                    // next swap deadline
  float obrA[kTitlePairs] = {};                     // opacity of the second picture
  float dObrA[kTitlePairs] = {};
  std::shared_ptr<TImage> portal[kTitlePairs];
  TPoint2 obrDim[kTitlePairs];  // top left of each pair
  float p[kTitlePairs] = {};    // portal pulse phase
  float dp[kTitlePairs] = {};
  int px[kTitlePairs] = {}, py[kTitlePairs] = {};
  float pSpeed[kTitlePairs] = {};
  std::shared_ptr<TImage> logo;
  int creditsTime = 0;
  std::string txtAreYouSure;  // the quit question
  float bla = 0, dBla = 0;    // logo glow; goes on between entries

  void setup() override;
  void draw() override;
  void update() override;
  virtual void _drawLogo();
  virtual void _drawPortale();
  virtual void _drawObrazki();
  virtual void _drawBack();
  virtual void _updateProfileCheck();
  virtual void _updatePortale();
  virtual void _updateObrazki();
  virtual void _updateCredits();
  virtual void _prepareSelf();
  virtual void _prepareCredits();
  virtual void _prepareEffects();
  virtual void prepare();
  // Runs the menu until a choice has faded it to black; the next state.
  virtual std::string mainLoop();
  virtual int goExit();
  virtual int goMore();
  virtual int goSettings();
  virtual int goPlay();
  virtual int goContinue();
  virtual int goNew();
};

extern std::shared_ptr<TMainMenu> mainMenu;

}  // namespace sorvanta
