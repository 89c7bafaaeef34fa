// FreeType faces and the glyph cache: glyphs are rasterised once, on first
// use, into pages of white pixels whose alpha is the glyph's coverage.
#include "platform/font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/files.h"
#include "platform/image_frames.h"
#include "platform/strings.h"
#include "platform/video_internal.h"

namespace sorvanta {

namespace {

constexpr int kPageSize = 512;
constexpr int kPadding = 2;  // keeps filtered neighbours apart
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

struct Glyph {
  int page = -1;  // -1: nothing to draw (a space)
  SDL_Rect src{0, 0, 0, 0};
  int left = 0, top = 0;  // bitmap offset from the pen, top above the baseline
  int advance = 0;        // 26.6 fixed point
  FT_UInt index = 0;
};

struct Page {
  std::shared_ptr<TPixmap> pixels;
  VideoTexture* texture = nullptr;
  int generation = 0;
  bool dirty = true;
  int shelfX = 0, shelfY = 0, shelfHeight = 0;
};

// The bytes of a font file, read once while any font of it lives.
std::shared_ptr<const std::string> FontBytes(const std::string& path) {
  static auto* read = new std::unordered_map<std::string, std::weak_ptr<const std::string>>;
  std::weak_ptr<const std::string>& entry = (*read)[path];
  if (auto kept = entry.lock()) return kept;
  auto bytes = std::make_shared<const std::string>(LoadBytes(path));
  entry = bytes;
  return bytes;
}

// Never destroyed: fonts may outlive every other static.
std::unordered_set<TImageFont::Impl*>& LiveFonts() {
  static auto* live = new std::unordered_set<TImageFont::Impl*>;
  return *live;
}

}  // namespace

struct TImageFont::Impl {
  // FreeType reads the face from here for its whole life; every size of a
  // file shares one copy.
  std::shared_ptr<const std::string> bytes;
  FT_Face face = nullptr;
  int size = 0;
  int ascent = 0;
  int height = 0;
  bool smooth = true;
  bool kerning = false;
  std::unordered_map<char32_t, Glyph> glyphs;
  std::vector<Page> pages;

  Impl() { LiveFonts().insert(this); }
  ~Impl() {
    LiveFonts().erase(this);
    for (Page& page : pages) FreeTexture(page.texture, page.generation);
    if (face) FT_Done_Face(face);
  }

  // Finds room for a w x h bitmap; returns the page index and sets x, y.
  int Place(int w, int h, int* x, int* y) {
    if (!pages.empty()) {
      Page& p = pages.back();
      int side = p.pixels->width();
      if (p.shelfX + w > side) {
        p.shelfY += p.shelfHeight + kPadding;
        p.shelfX = 0;
        p.shelfHeight = 0;
      }
      if (p.shelfX + w <= side && p.shelfY + h <= side) {
        *x = p.shelfX;
        *y = p.shelfY;
        p.shelfX += w + kPadding;
        if (h > p.shelfHeight) p.shelfHeight = h;
        return static_cast<int>(pages.size()) - 1;
      }
    }
    int side = kPageSize;
    while (side < w || side < h) side *= 2;
    Page page;
    page.pixels = CreatePixmap(side, side);
    if (!page.pixels) return -1;
    pages.push_back(page);
    return Place(w, h, x, y);
  }

  const Glyph& Get(char32_t code) {
    auto found = glyphs.find(code);
    if (found != glyphs.end()) return found->second;
    Glyph glyph;
    glyph.index = FT_Get_Char_Index(face, code);
    if (FT_Load_Glyph(face, glyph.index, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) == 0) {
      FT_GlyphSlot slot = face->glyph;
      const FT_Bitmap& bm = slot->bitmap;
      glyph.advance = static_cast<int>(slot->advance.x);
      glyph.left = slot->bitmap_left;
      glyph.top = slot->bitmap_top;
      int w = static_cast<int>(bm.width), h = static_cast<int>(bm.rows);
      int x = 0, y = 0;
      bool drawable = w > 0 && h > 0 &&
                      (bm.pixel_mode == FT_PIXEL_MODE_GRAY || bm.pixel_mode == FT_PIXEL_MODE_MONO);
      int page = drawable ? Place(w, h, &x, &y) : -1;
      if (page >= 0) {
        Page& p = pages[page];
        for (int row = 0; row < h; ++row) {
          const unsigned char* in = bm.buffer + static_cast<std::ptrdiff_t>(row) * bm.pitch;
          std::uint8_t* out = p.pixels->row(y + row) + x * 4;
          for (int col = 0; col < w; ++col, out += 4) {
            int a = bm.pixel_mode == FT_PIXEL_MODE_GRAY ? in[col] * 255 / std::max(1, bm.num_grays - 1)
                                                        : ((in[col >> 3] >> (7 - (col & 7))) & 1) * 255;
            out[0] = out[1] = out[2] = 255;
            out[3] = static_cast<std::uint8_t>(a);
          }
        }
        p.dirty = true;
        glyph.page = page;
        glyph.src = SDL_Rect{x, y, w, h};
      }
    }
    return glyphs.emplace(code, glyph).first->second;
  }

  int Kerning(FT_UInt previous, FT_UInt next) {
    if (!kerning || previous == 0 || next == 0) return 0;
    FT_Vector delta{0, 0};
    if (FT_Get_Kerning(face, previous, next, FT_KERNING_DEFAULT, &delta) != 0) return 0;
    return static_cast<int>(delta.x);
  }

  // Pages keep their pixels: glyphs are added to them as text needs them.
  void MakePageTexture(Page& page) {
    if (page.texture && page.generation == Video().generation) return;
    page.texture = MakeTexture(*page.pixels, smooth);
    page.generation = Video().generation;
    page.dirty = false;
  }

  VideoTexture* Texture(int index) {
    Page& page = pages[index];
    if (!Backend()) return nullptr;
    // A new back end: every image's and page's texture at once.
    if (page.texture && page.generation != Video().generation) MakeMissingTextures();
    if (!page.texture) MakePageTexture(page);
    if (page.dirty && page.texture)
      UpdateTexture(page.texture, *page.pixels);
    page.dirty = false;
    return page.texture;
  }
};

void MakeMissingFontTextures() {
  if (!Backend()) return;
  for (TImageFont::Impl* font : LiveFonts())
    for (Page& page : font->pages) font->MakePageTexture(page);
}

TImageFont::TImageFont(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
TImageFont::~TImageFont() = default;
int TImageFont::size() const { return impl_->size; }
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
  impl->size = size;
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
std::shared_ptr<TImageFont> GetImageFont() { return CurrentFont(); }

int TextWidth(const std::string& text) {
  auto font = CurrentFont();
  if (!font) return 0;
  TImageFont::Impl& f = font->impl();
  long pen = 0;
  FT_UInt previous = 0;
  for (char32_t c : Utf8ToU32(text)) {
    const Glyph& g = f.Get(c);
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
  std::vector<const Glyph*> glyphs;
  glyphs.reserve(codes.size());
  for (char32_t c : codes) glyphs.push_back(&f.Get(c));  // rasterise first, then upload once
  long pen = 0;
  FT_UInt previous = 0;
  for (const Glyph* g : glyphs) {
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
