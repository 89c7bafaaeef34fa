#pragma once
// A font's face and glyph cache, for the platform's own files and the test
// support: glyphs are rasterised once, on first use, into pages of white
// pixels whose alpha is the glyph's coverage.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/font.h"
#include "platform/glyph_raster.h"
#include "platform/image_frames.h"
#include "platform/video_internal.h"

namespace sorvanta {

inline constexpr int kFontPageSize = 512;
inline constexpr int kFontPadding = 2;  // keeps filtered neighbours apart

struct FontGlyph {
  int page = -1;  // -1: nothing to draw (a space)
  SDL_Rect src{0, 0, 0, 0};
  int left = 0, top = 0;  // bitmap offset from the pen, top above the baseline
  int advance = 0;        // 26.6 fixed point
  FT_UInt index = 0;
};

struct FontPage {
  std::shared_ptr<TPixmap> pixels;
  VideoTexture* texture = nullptr;
  int generation = 0;
  bool dirty = true;
  int shelfX = 0, shelfY = 0, shelfHeight = 0;
};

// Never destroyed: fonts may outlive every other static.
inline std::unordered_set<TImageFont::Impl*>& LiveFonts() {
  static auto* live = new std::unordered_set<TImageFont::Impl*>;
  return *live;
}

struct TImageFont::Impl {
  // FreeType reads the face from here for its whole life; every size of a
  // file shares one copy.
  std::shared_ptr<const std::string> bytes;
  FT_Face face = nullptr;
  int ascent = 0;
  int height = 0;
  bool smooth = true;
  bool kerning = false;
  std::unordered_map<char32_t, FontGlyph> glyphs;
  std::vector<FontPage> pages;

  Impl() { LiveFonts().insert(this); }
  ~Impl() {
    LiveFonts().erase(this);
    for (FontPage& page : pages) FreeTexture(page.texture, page.generation);
    if (face) FT_Done_Face(face);
  }

  // Finds room for a w x h bitmap; returns the page index and sets x, y.
  int Place(int w, int h, int* x, int* y) {
    if (!pages.empty()) {
      FontPage& p = pages.back();
      int side = p.pixels->width();
      if (p.shelfX + w > side) {
        p.shelfY += p.shelfHeight + kFontPadding;
        p.shelfX = 0;
        p.shelfHeight = 0;
      }
      if (p.shelfX + w <= side && p.shelfY + h <= side) {
        *x = p.shelfX;
        *y = p.shelfY;
        p.shelfX += w + kFontPadding;
        if (h > p.shelfHeight) p.shelfHeight = h;
        return static_cast<int>(pages.size()) - 1;
      }
    }
    int side = kFontPageSize;
    while (side < w || side < h) side *= 2;
    FontPage page;
    page.pixels = CreatePixmap(side, side);
    if (!page.pixels) return -1;
    pages.push_back(page);
    return Place(w, h, x, y);
  }

  const FontGlyph& Get(char32_t code) {
    auto found = glyphs.find(code);
    if (found != glyphs.end()) return found->second;
    FontGlyph glyph;
    glyph.index = FT_Get_Char_Index(face, code);
    if (FT_Load_Glyph(face, glyph.index, FT_LOAD_TARGET_NORMAL) == 0) {
      FT_GlyphSlot slot = face->glyph;
      GlyphCoverage coverage;
      glyph.advance = static_cast<int>(slot->advance.x);
      glyph.left = slot->bitmap_left;
      glyph.top = slot->bitmap_top;
      int x = 0, y = 0;
      int page = RasteriseGlyph(slot, &coverage) ? Place(coverage.width, coverage.rows, &x, &y) : -1;
      if (page >= 0) {
        FontPage& p = pages[page];
        for (int row = 0; row < coverage.rows; ++row) {
          const std::uint8_t* in = coverage.alpha.data() + static_cast<std::ptrdiff_t>(row) * coverage.width;
          std::uint8_t* out = p.pixels->row(y + row) + x * 4;
          for (int col = 0; col < coverage.width; ++col, out += 4) {
            out[0] = out[1] = out[2] = 255;
            out[3] = in[col];
          }
        }
        p.dirty = true;
        glyph.page = page;
        glyph.src = SDL_Rect{x, y, coverage.width, coverage.rows};
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
  void MakePageTexture(FontPage& page) {
    if (page.texture && page.generation == Video().generation) return;
    page.texture = MakeTexture(*page.pixels, smooth);
    page.generation = Video().generation;
    page.dirty = false;
  }

  VideoTexture* Texture(int index) {
    FontPage& page = pages[index];
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

}  // namespace sorvanta
