#pragma once
// Image fonts: TrueType faces rendered by FreeType into anti-aliased glyphs
// that are cached in textures. Text is UTF-8; any code point the face has is
// drawn (others show the face's missing-glyph shape).
#include <memory>
#include <string>

namespace sorvanta {

// Styles of LoadImageFont. SMOOTHFONT filters the glyphs when they are scaled.
constexpr int SMOOTHFONT = 4;

class TImageFont {
 public:
  struct Impl;
  explicit TImageFont(std::unique_ptr<Impl> impl);
  ~TImageFont();
  TImageFont(const TImageFont&) = delete;
  TImageFont& operator=(const TImageFont&) = delete;

  // Height of a line: ascent plus descent, in pixels.
  int height() const;
  Impl& impl() { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

// A font of a TrueType file, or of an embedded one ("incbin::font.ttf"), at a
// pixel size kept within 1 to 512; none when the file cannot be read or is no
// font.
std::shared_ptr<TImageFont> LoadImageFont(const std::string& path, int size, int style = SMOOTHFONT);
// Selects the font for DrawText, TextWidth and TextHeight; none selects the
// default font (the first embedded font at 14 pixels).
void SetImageFont(const std::shared_ptr<TImageFont>& font);

// Draws text with its top-left corner at (x, y) (the origin added), scaled
// and rotated about that corner, with the current colour, alpha and blend.
void DrawText(const std::string& text, float x, float y);
// Width of text in the selected font, in unscaled pixels.
int TextWidth(const std::string& text);
// Height of a line of the selected font, in unscaled pixels, whatever the text.
int TextHeight(const std::string& text);

}  // namespace sorvanta
