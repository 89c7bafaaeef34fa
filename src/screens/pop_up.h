#pragma once
// The modal message box: a panel with a wrapped text and "yes"/"no" buttons
// (a notice: one "ok" in their stead), run in its own loop over the screen
// that asks, which stays visible, dimmed.
#include <memory>
#include <string>

#include "core/ekran.h"

namespace sorvanta {

class TImage;
class TImageFont;

class TPopUp : public TEkran {
 public:
  std::shared_ptr<TEkran> ekran;  // drawn behind the dialog
  std::string txt;
  std::shared_ptr<TImageFont> _font;
  std::shared_ptr<TImageFont> _smallFont;     // for a message too long for _font
  std::shared_ptr<TImageFont> _smallestFont;  // and for one too long for that
  std::shared_ptr<TImage> panel;
  int wyn = 0;  // the answer: 1 yes, 0 no

  // Loads the layout, the font and the panel.
  void setup() override;
  void draw() override;
  void _updateGui() override;
  void update() override;
  void prepare(const std::string& text, std::shared_ptr<TEkran> screen, int showNo);
  // Runs the dialog until it has faded out after an answer; returns it.
  int mainLoop(const std::string& text, std::shared_ptr<TEkran> screen, int showNo);
  // How a message is drawn: in the dialog's own font, unless it would run
  // over the buttons or past the box's sides in it (a long notice, a name
  // of many wide letters), then in the largest smaller one it fits in; and
  // a word too wide for the box even in the smallest (a folder's path)
  // broken into pieces that fit; a message too long even so is cut short.
  struct TMessage {
    std::shared_ptr<TImageFont> font;
    std::string text;
  };
  TMessage message(const std::string& text) const;
  // A message laid out in the selected font, cut after the lines that fit
  // above the buttons.
  static std::string cutToRoom(const std::string& text);
  TMessage shown;  // txt as drawn, chosen as the dialog opens
};

extern std::shared_ptr<TPopUp> popUp;

// Asks a question: 1 for yes, 0 for no.
int yesOrNo(const std::string& text, std::shared_ptr<TEkran> screen);
// Shows a notice with its one "ok" (Enter gives 1, Escape 0).
int showInfo(const std::string& text, std::shared_ptr<TEkran> screen);

}  // namespace sorvanta
