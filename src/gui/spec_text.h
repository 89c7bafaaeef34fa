#pragma once
// Word-wrapped text in a box.
#include <memory>
#include <string>

namespace sorvanta {

class TImageFont;

// Draws text broken into lines that fit width, one under another from (x, y),
// aligned "LEFT", "RIGHT", "CENTER" or "JUSTIFY" (any case, blanks around
// ignored; anything else is LEFT). A font, when given, is selected and stays
// selected; none keeps the current one. The line pitch is the font's height
// plus extraLineSpacing. Returns the pitch times the number of lines drawn.
// The sixth argument is not used.
int drawSpecText(const std::string& text, int x, int y, float width, const std::string& align,
                 float unused, const std::shared_ptr<TImageFont>& font, int extraLineSpacing);

}  // namespace sorvanta
