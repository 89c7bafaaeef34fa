#pragma once
// The mode picker: a panel over the main menu in which the player picks the
// Picross or the Fill campaign, with a row of pips per campaign for the
// stages passed. It cannot be cancelled.
#include <memory>
#include <string>

#include "core/ekran.h"
#include "puzzle/board/ruleset.h"

namespace sorvanta {

class TImage;
class TImageFont;

// Pips shown per campaign.
inline constexpr int kPickTrybPips = 10;

class TPickTryb : public TEkran {
 public:
  std::shared_ptr<TImage> panel;
  std::shared_ptr<TImage> pass[2];  // unlit, lit
  std::shared_ptr<TImageFont> font;
  std::string titleTxt;
  float stagePer = 0;  // blink of the next pip; goes on between showings
  float dStagePer = 0;
  int maxPicross = 0, maxFill = 0;  // stages passed
  int tryb = kRulesetFill;          // the choice

  void setup() override;
  void draw() override;
  void update() override;
  virtual void _drawBack();
  virtual void _drawPanel();
  virtual void _drawStages();
  virtual void prepare();
  // Shows the picker until a choice has faded it out: 1 Picross, 0 Fill.
  virtual int mainloop();
};

extern std::shared_ptr<TPickTryb> pickTryb;

}  // namespace sorvanta
