#pragma once
// The continue dialog: over the main menu, after the mode picker, it asks
// whether to resume the chosen campaign, start it anew (confirmed) or go back.
#include <memory>
#include <string>

#include "core/ekran.h"

namespace sorvanta {

class TImage;

// The dialog's answers; going back answers "".
inline constexpr const char* kAnswerContinue = "CONTINUE";
inline constexpr const char* kAnswerNew = "NEW";

class TQuestContinue : public TEkran {
 public:
  std::shared_ptr<TImage> img;  // the panel
  std::string txtAreYouSure;    // asked before a new start

  void setup() override;
  void draw() override;
  void update() override;
  virtual void _drawBack();
  virtual void _drawPanel();
  virtual void prepare();
  // Shows the dialog until an answer has faded it out: "CONTINUE", "NEW" or "".
  virtual std::string mainLoop();
};

extern std::shared_ptr<TQuestContinue> continueQuest;

}  // namespace sorvanta
