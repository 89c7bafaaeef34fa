#pragma once
// Word-wrapped text in a box.
#include <memory>
#include <string>
#include <vector>

namespace sorvanta {

class TImageFont;

// One piece of laid-out text: a line, or under JUSTIFY one word of a line.
struct TSpecTextPiece {
  std::string text;
  float x = 0;
  float y = 0;
};

struct TSpecTextLayout {
  std::vector<TSpecTextPiece> pieces;  // in drawing order
  int lines = 0;
  int height = 0;  // line pitch times lines
};

// Breaks text into lines that fit width, measured in the selected font, and
// places them one under another from (x, y). Words are separated by single
// blanks; only the width breaks a line. align is "LEFT", "RIGHT", "CENTER" or
// "JUSTIFY" (any case, blanks around ignored; anything else is LEFT). The
// line pitch is the font's height plus extraLineSpacing.
TSpecTextLayout layoutSpecText(const std::string& text, int x, int y, float width,
                               const std::string& align, int extraLineSpacing);

// Selects font (none keeps the current one; the font stays selected), draws
// the laid-out text with the current colour, alpha, blend and scale, and
// returns its height. The sixth argument is not used.
int drawSpecText(const std::string& text, int x, int y, float width, const std::string& align,
                 float unused, const std::shared_ptr<TImageFont>& font, int extraLineSpacing);

}  // namespace sorvanta
