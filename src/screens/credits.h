#pragma once
// The credits roll: the lines of the credits text rolling upward, endlessly,
// over the screen that opened them, until a click or a key closes them.
#include <list>
#include <memory>
#include <string>

#include "core/ekran.h"

namespace sorvanta {

class TImage;
class TImageFont;

// One line of the roll.
class TCreditData {
 public:
  virtual ~TCreditData() = default;
  std::string txt;  // as shown, markers removed
  std::shared_ptr<TImageFont> font;

  // Centred on x 512 with its top at y, each character tinted from magenta
  // toward cyan, over a soft shadow.
  virtual void draw(int y, float alpha) const;
};

// Where a rolled-off roll starts again, below the bottom edge.
inline constexpr float kCreditsRestartY = 800;

class TCredits : public TEkran {
 public:
  std::shared_ptr<TImage> img;  // the backdrop
  std::list<std::shared_ptr<TCreditData>> lista;
  float y = 0;                                      // top of the first line
  std::shared_ptr<TEkran> ekr;                      // drawn beneath
  std::shared_ptr<TImageFont> font1, font2, font3;  // 26, 42 and 60 px

  void setup() override;
  void draw() override;
  void update() override;
  virtual void _drawBack();
  virtual void _drawCredits();
  virtual void _updateMove();
  virtual void prepare(std::shared_ptr<TEkran> prev);
  // Runs the roll over prev (the main menu when none) until closed; 0.
  virtual int mainLoop(std::shared_ptr<TEkran> prev);

  // Appends one text line: "#" marks a heading, "$" (also after "#") a
  // title; each mark takes the first and the last character off. Empty
  // lines are left out.
  void addLine(const std::string& line);
};

extern std::shared_ptr<TCredits> credits;

}  // namespace sorvanta
