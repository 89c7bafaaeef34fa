#pragma once
// The more-games screen: a row of entries read from a data file, the current
// one large at the left and the following ones receding to the right, moved
// along with the arrows or NEXT/PREV; a press on the current picture opens
// its address: a web address in the browser, a page name one of the game's
// own pages. Escape or EXIT fades out to "MAIN-MENU".
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/ekran.h"

namespace sorvanta {

class TImg;
class TImageFont;

// One slot of the row; without a picture it is blank.
class TGameCom {
 public:
  virtual ~TGameCom() = default;
  int id = 0;
  std::shared_ptr<TImg> img;  // handle at its centre
  float x = 0;                // resting centre
  float s = 0;                // resting scale
  float a = 0;                // resting opacity
  std::string url;
  std::string title;  // shown over the picture; empty: none
  virtual void update() {}
};

// A screen like the others: its loop runs the frame's system step, so the
// full-screen key, the quit keys and the music run here too. gui holds
// EXIT, NEXT and PREV; fade and dFade the black cover.
class TMoreGames : public TEkran {
 public:
  std::shared_ptr<TImg> back;
  std::vector<std::shared_ptr<TGameCom>> games;
  int ind = 0;                                   // the centre slot: the current entry
  float p = 0, dP = 0;                           // slide progress -1..1 and its target
  std::shared_ptr<TGameCom> over;                // the current entry while pointed at
  int _yy = 340;                                 // vertical centre of every picture
  std::array<std::shared_ptr<TImg>, 2> readImg;  // the label and its highlight

  static constexpr float kCentreX = 210;
  static constexpr float kLabelDrop = 160;  // label below the picture, times its scale
  static constexpr int kTitleSize = 34;
  static constexpr float kTitleRise = 44;  // title's top above the picture's, times its scale
  static constexpr int kTitleR = 255, kTitleG = 206, kTitleB = 34;

  // Reloads everything: n entries give 2n + 4 slots, the first entry centred.
  void setup() override;
  virtual void createTabs();
  virtual void _drawBack();
  // What the slide adds to slot i's resting scale, opacity and x.
  virtual float getS(int i);
  virtual float getA(int i);
  virtual float getAX(int i);
  virtual void _drawGames();
  // An entry's title over its picture, at the picture's place, scale and opacity.
  void _drawTitle(const TGameCom& g, float x, float s, float a);
  virtual void _drawGui();
  void draw() override;
  // Rotate the slots' contents one slot left or right and lay them out again.
  virtual void moveAllLeft();
  virtual void moveAllRight();
  virtual void check();
  virtual void _updateGames();
  // The layout alone: this screen never changes its widgets' opacity.
  void _updateGui() override;
  void update() override;
  virtual void prepare();
  virtual std::string mainLoop();
  // Start a slide that brings the following (_prev) or preceding (_next)
  // entry to the centre, when there is one and no slide runs.
  virtual void _prev();
  virtual void _next();

  // The page the current entry could not open, as the player is told it:
  // its title and its address. Empty: none.
  std::string notOpened;

 private:
  std::shared_ptr<TImageFont> titleFont;
  std::string txtNotOpened;
  bool holdsPicture(int slot) const;
  float slide(int i, float TGameCom::*field) const;
};

extern std::shared_ptr<TMoreGames> moreGames;

}  // namespace sorvanta
