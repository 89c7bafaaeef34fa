#pragma once
// The panel after a solved level, over the play screen's background, panel
// and finished board: it marks the level played, names it (outside the
// tutorial stage), offers the statistics page (Picross) and leads to the
// next level or, after a confirmation, a replay.
#include <array>
#include <memory>
#include <string>

#include "core/ekran.h"

namespace sorvanta {

class TImageFont;
class TImg;

constexpr int kLevelNameCount = 200;

class TLevelSummary : public TEkran {
 public:
  TLevelSummary();

  std::shared_ptr<TImageFont> font;   // 24 px: the level name
  std::shared_ptr<TImageFont> font2;  // 36 px: the statistics
  std::shared_ptr<TImg> panel;        // centred
  std::shared_ptr<TImg> panelIn;      // backdrop of the statistics page
  std::string txtLevelScore;
  std::string txtMistakes;
  std::string txtLevelTime;
  std::string txtAreYouSure;
  int levelScore = 0;
  int levelTime = 0;
  int mistakes = 0;
  std::array<std::string, kLevelNameCount> namesMesalor;  // Picross level names
  std::array<std::string, kLevelNameCount> namesTrelmo;   // Fill level names
  float statA = 0;
  float dStatA = 0;
  int numerLevelu = 0;

  void setup() override;
  void draw() override;
  void _updateGui() override;
  void update() override;
  void _updateBeforeSystem() override;
  virtual int _drawBack();
  virtual int _drawPanel();
  virtual int _drawLevel();
  virtual int _drawMyText(const std::string& text, int x, int y, int light);
  virtual int _drawStats();
  virtual int _updateStats();
  virtual int prepare();
  // Runs the summary until it has faded out: "NEXT-LEVEL" or "RESTART-LEVEL".
  virtual std::string mainloop();
  virtual int SwitchStats();
  virtual int goPlay();
  virtual int goReplay();
  // The level's name for the player's mode; empty for an index outside the
  // lists.
  std::string levelName() const;
};

// "mm:ss" of a number of seconds; minutes have no upper bound.
std::string getTimeString(int seconds);

extern std::shared_ptr<TLevelSummary> levelSummary;

}  // namespace sorvanta
