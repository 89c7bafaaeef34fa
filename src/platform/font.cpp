// FreeType faces loaded as fonts, and text drawn and measured with them.
#include "platform/font.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "platform/files.h"
#include "platform/font_internal.h"
#include "platform/strings.h"

namespace sorvanta {

namespace {

constexpr int kDefaultFontSize = 14;
// Larger sizes only come from a mistyped or hostile layout; a glyph page must
// hold the largest glyph, so an unbounded size could ask for gigabytes.
constexpr int kMaxFontSize = 512;

FT_Library Library() {
  // Lives as long as the process: fonts may be released after every static.
  static FT_Library library = [] {
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0) lib = nullptr;
    return lib;
  }();
  return library;
}

// The bytes of a font file, read once while any font of it lives.
std::shared_ptr<const std::string> FontBytes(const std::string& path) {
  static auto* read = new std::unordered_map<std::string, std::weak_ptr<const std::string>>;
  std::weak_ptr<const std::string>& entry = (*read)[path];
  if (auto kept = entry.lock()) return kept;
  auto bytes = std::make_shared<const std::string>(LoadBytes(path));
  entry = bytes;
  return bytes;
}

}  // namespace

void MakeMissingFontTextures() {
  if (!Backend()) return;
  for (TImageFont::Impl* font : LiveFonts())
    for (FontPage& page : font->pages) font->MakePageTexture(page);
}

TImageFont::TImageFont(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
TImageFont::~TImageFont() = default;
int TImageFont::height() const { return impl_->height; }

std::shared_ptr<TImageFont> LoadImageFont(const std::string& path, int size, int style) {
  if (!Library()) return nullptr;
  size = std::clamp(size, 1, kMaxFontSize);
  auto impl = std::make_unique<TImageFont::Impl>();
  try {
    impl->bytes = FontBytes(path);
  } catch (const FileError&) {
    return nullptr;
  }
  if (impl->bytes->empty() ||
      FT_New_Memory_Face(Library(), reinterpret_cast<const FT_Byte*>(impl->bytes->data()),
                         static_cast<FT_Long>(impl->bytes->size()), 0, &impl->face) != 0) {
    impl->face = nullptr;
    return nullptr;
  }
  if (FT_Set_Pixel_Sizes(impl->face, 0, static_cast<FT_UInt>(size)) != 0) return nullptr;
  const FT_Size_Metrics& m = impl->face->size->metrics;
  impl->ascent = static_cast<int>((m.ascender + 63) / 64);
  impl->height = impl->ascent + static_cast<int>((-m.descender + 63) / 64);
  impl->smooth = (style & SMOOTHFONT) != 0;
  impl->kerning = FT_HAS_KERNING(impl->face);
  return std::make_shared<TImageFont>(std::move(impl));
}

namespace {

std::shared_ptr<TImageFont> CurrentFont() {
  if (Video().font) return Video().font;
  static std::shared_ptr<TImageFont>* fallback =
      new std::shared_ptr<TImageFont>(LoadImageFont("incbin::font.ttf", kDefaultFontSize));
  return *fallback;
}

}  // namespace

void SetImageFont(const std::shared_ptr<TImageFont>& font) { Video().font = font; }

int TextWidth(const std::string& text) {
  auto font = CurrentFont();
  if (!font) return 0;
  TImageFont::Impl& f = font->impl();
  long pen = 0;
  FT_UInt previous = 0;
  for (char32_t c : Utf8ToU32(text)) {
    const FontGlyph& g = f.Get(c);
    pen += f.Kerning(previous, g.index) + g.advance;
    previous = g.index;
  }
  return static_cast<int>((pen + 32) / 64);
}

int TextHeight(const std::string&) {
  auto font = CurrentFont();
  return font ? font->height() : 0;
}

void DrawText(const std::string& text, float x, float y) {
  auto font = CurrentFont();
  if (!font || !Backend()) return;
  TImageFont::Impl& f = font->impl();
  std::u32string codes = Utf8ToU32(text);
  std::vector<const FontGlyph*> glyphs;
  glyphs.reserve(codes.size());
  for (char32_t c : codes) glyphs.push_back(&f.Get(c));  // rasterise first, then upload once
  long pen = 0;
  FT_UInt previous = 0;
  for (const FontGlyph* g : glyphs) {
    pen += f.Kerning(previous, g->index);
    previous = g->index;
    if (g->page >= 0) {
      float penX = std::round(pen / 64.0f);
      DrawTextureQuad(f.Texture(g->page), g->src, x, y, static_cast<float>(g->src.w), static_cast<float>(g->src.h),
                      -(penX + g->left), -static_cast<float>(f.ascent - g->top));
    }
    pen += g->advance;
  }
}

}  // namespace sorvanta
