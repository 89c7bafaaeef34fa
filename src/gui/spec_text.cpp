#include "gui/spec_text.h"

#include <vector>

#include "formats/text_utils.h"
#include "platform/font.h"
#include "platform/strings.h"

namespace sorvanta {
namespace {

enum class Align { Left, Right, Center, Justify };

Align parseAlign(const std::string& align) {
  const std::string a = Upper(Trim(align));
  if (a == "RIGHT") return Align::Right;
  if (a == "CENTER") return Align::Center;
  if (a == "JUSTIFY") return Align::Justify;
  return Align::Left;
}

// Draws one line of the box at top ty; under JUSTIFY the line is words
// [first, last] of the text, spread so that the last word ends at the
// box's right edge.
void drawLine(const std::string& line, int x, int ty, float width, Align align,
              const std::vector<std::string>& words, std::size_t first, std::size_t last,
              const std::string& joined) {
  const float top = static_cast<float>(ty);
  switch (align) {
    case Align::Left:
      DrawText(line, static_cast<float>(x), top);
      return;
    case Align::Right:
      DrawText(line, static_cast<float>(x) + (width - static_cast<float>(TextWidth(line))), top);
      return;
    case Align::Center: {
      const float left = static_cast<float>(x) + width / 2.0f - static_cast<float>(TextWidth(line) / 2);
      DrawText(line, static_cast<float>(FloatToInt(left)), top);
      return;
    }
    case Align::Justify:
      break;
  }
  if (last <= first || last >= words.size()) {
    DrawText(line, static_cast<float>(x), top);
    return;
  }
  const float gap = (width - static_cast<float>(TextWidth(joined))) / static_cast<float>(last - first);
  std::string before;  // words first .. j-1 without blanks
  for (std::size_t j = first; j <= last; ++j) {
    const float wx = static_cast<float>(x) + static_cast<float>(j - first) * gap +
                     static_cast<float>(TextWidth(before));
    DrawText(words[j], wx, top);
    before += words[j];
  }
}

}  // namespace

int drawSpecText(const std::string& text, int x, int y, float width, const std::string& align,
                 float /*unused*/, const std::shared_ptr<TImageFont>& font, int extraLineSpacing) {
  // The added blank makes the last word end with a separator, so it is taken whole.
  const std::vector<std::string> words = rozbijTekst(text + " ", " ", "", "");
  const Align mode = parseAlign(align);
  if (font) SetImageFont(font);
  const int pitch = TextHeight("A") + extraLineSpacing;

  std::string line;
  int n = 0;
  std::size_t first = 0;  // index of the line's first word
  std::string joined;     // the line's words without blanks
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (static_cast<float>(TextWidth(line + " " + word)) <= width) {
      line = line.empty() ? word : line + " " + word;
      joined += word;
      continue;
    }
    // The line before this word holds words first .. i-1 (none when the
    // very first word is too wide).
    drawLine(Trim(line), x, y + pitch * n, width, mode, words, first, i > first ? i - 1 : first, joined);
    ++n;
    line = word;
    first = i;
    joined = word;
  }
  // The last line is drawn untrimmed, and never justified.
  drawLine(line, x, y + pitch * n, width, mode == Align::Justify ? Align::Left : mode, words, 0, 0, joined);
  return pitch * (n + 1);
}

}  // namespace sorvanta
