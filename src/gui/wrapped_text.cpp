#include "gui/wrapped_text.h"

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

struct Placer {
  TSpecTextLayout& out;
  const std::vector<std::string>& words;
  int x;
  float width;
  Align align;

  void add(const std::string& text, float px, int top) {
    out.pieces.push_back(TSpecTextPiece{text, px, static_cast<float>(top)});
  }

  // One line at top; under JUSTIFY the line is words [first, last], spread so
  // that its last word ends at the box's right edge, and joined is those
  // words without blanks.
  void line(const std::string& text, int top, std::size_t first, std::size_t last,
            const std::string& joined, Align how) {
    const float left = static_cast<float>(x);
    switch (how) {
      case Align::Left:
        add(text, left, top);
        return;
      case Align::Right:
        add(text, left + (width - static_cast<float>(TextWidth(text))), top);
        return;
      case Align::Center:
        add(text, static_cast<float>(FloatToInt(left + width / 2.0f - static_cast<float>(TextWidth(text) / 2))),
            top);
        return;
      case Align::Justify:
        break;
    }
    if (last <= first || last >= words.size()) {
      add(text, left, top);
      return;
    }
    const float gap = (width - static_cast<float>(TextWidth(joined))) / static_cast<float>(last - first);
    std::string before;  // words first .. j-1 without blanks
    for (std::size_t j = first; j <= last; ++j) {
      add(words[j], left + static_cast<float>(j - first) * gap + static_cast<float>(TextWidth(before)), top);
      before += words[j];
    }
  }
};

}  // namespace

TSpecTextLayout layoutSpecText(const std::string& text, int x, int y, float width,
                               const std::string& align, int extraLineSpacing) {
  TSpecTextLayout out;
  const Align mode = parseAlign(align);
  const int pitch = TextHeight("A") + extraLineSpacing;
  // The added blank ends the last word with a separator, so it is taken whole.
  // Only the width breaks a line: a line feed is a character of its word.
  const std::vector<std::string> words = rozbijTekst(text + " ", " ", "", "");
  Placer place{out, words, x, width, mode};
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
    // The broken line holds words first .. i-1; none when the very first
    // word is already too wide.
    place.line(Trim(line), y + pitch * n, first, i > first ? i - 1 : first, joined, mode);
    ++n;
    line = word;
    first = i;
    joined = word;
  }
  // The last line is drawn untrimmed and never justified.
  place.line(line, y + pitch * n, first, first, joined, mode == Align::Justify ? Align::Left : mode);
  out.lines = n + 1;
  out.height = pitch * out.lines;
  return out;
}

int drawSpecText(const std::string& text, int x, int y, float width, const std::string& align,
                 float /*unused*/, const std::shared_ptr<TImageFont>& font, int extraLineSpacing) {
  if (font) SetImageFont(font);
  const TSpecTextLayout layout = layoutSpecText(text, x, y, width, align, extraLineSpacing);
  for (const TSpecTextPiece& piece : layout.pieces) DrawText(piece.text, piece.x, piece.y);
  return layout.height;
}

}  // namespace sorvanta
