// The compositor as a back end: draws are queued and run on the window's
// own pixels, which SDL then puts on the screen; lines go through an SDL
// software renderer over those same pixels.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/soft_frame.h"
#include "platform/video_backend.h"
#include "platform/video_internal.h"

namespace sorvanta {

namespace {

// Premultiplied pixels, read by the compositor in place.
class SoftTexture : public VideoTexture {
 public:
  std::vector<std::uint32_t> pixels;
  SoftPixels view() { return SoftPixels{pixels.data(), width, width, height}; }
};

SoftTint TintOf(const VideoState& v) {
  return SoftTint{static_cast<std::uint32_t>(v.red), static_cast<std::uint32_t>(v.green),
                  static_cast<std::uint32_t>(v.blue), AlphaByte(v.alpha)};
}

SoftBlend SoftBlendFor(const VideoState& v, bool opaqueSource) {
  if (v.blend == LIGHTBLEND) return SoftBlend::kAdd;
  return CopiesInstead(v, opaqueSource) ? SoftBlend::kCopy : SoftBlend::kBlend;
}

// The quad of a src rectangle whose corners OutputPoint places: texel (0, 0)
// at the handle's offset (-hx, -hy), rows along the width, columns along
// the height.
SoftQuad TransformedQuad(const SDL_Rect& src, float x, float y, float width, float height, float hx, float hy) {
  const SDL_FPoint o = OutputPoint(x, y, -hx, -hy);
  const SDL_FPoint u = OutputPoint(x, y, width - hx, -hy), w = OutputPoint(x, y, -hx, height - hy);
  SoftQuad q;
  q.sx = src.x, q.sy = src.y, q.sw = src.w, q.sh = src.h;
  q.originX = o.x, q.originY = o.y;
  q.uStepX = (u.x - o.x) / src.w, q.uStepY = (u.y - o.y) / src.w;
  q.vStepX = (w.x - o.x) / src.h, q.vStepY = (w.y - o.y) / src.h;
  return q;
}

// An unturned quad on whole pixels, as SDL's software renderer places a
// copy: position and size cut to integers.
SoftQuad PlacedQuad(const SDL_Rect& src, const SDL_FRect& dst, bool mirrorX, bool mirrorY) {
  const int x0 = static_cast<int>(dst.x), y0 = static_cast<int>(dst.y);
  const int w = static_cast<int>(dst.w), h = static_cast<int>(dst.h);
  SoftQuad q;
  q.sx = src.x, q.sy = src.y, q.sw = src.w, q.sh = src.h;
  q.uStepX = static_cast<double>(w) / src.w * (mirrorX ? -1 : 1);
  q.vStepY = static_cast<double>(h) / src.h * (mirrorY ? -1 : 1);
  q.uStepY = q.vStepX = 0;
  q.originX = mirrorX ? x0 + w : x0;
  q.originY = mirrorY ? y0 + h : y0;
  if (w <= 0 || h <= 0) q.sw = 0;  // nothing to cover
  return q;
}

class SoftBackend : public VideoBackend {
 public:
  explicit SoftBackend(SDL_Window* window) : window_(window) {}
  ~SoftBackend() override {
    SoftDiscard();
    if (lines_) SDL_DestroyRenderer(lines_);
  }

  bool keepsAcrossModes(bool) const override { return SoftCanvasAllowed(); }

  bool outputSize(int& width, int& height) override {
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (!surface) return false;
    width = surface->w;
    height = surface->h;
    return true;
  }

  void setVSync(bool) override {}  // the frame pacing waits instead

  VideoTexture* makeTexture(const TPixmap& pixmap, bool filtered) override {
    auto texture = std::make_unique<SoftTexture>();
    texture->width = pixmap.width();
    texture->height = pixmap.height();
    texture->filtered = filtered;
    texture->pixels.resize(static_cast<std::size_t>(pixmap.width()) * pixmap.height());
    bool opaque = true;
    for (int y = 0; y < pixmap.height(); ++y) {
      const std::uint8_t* in = pixmap.row(y);
      std::uint32_t* row = texture->pixels.data() + static_cast<std::ptrdiff_t>(y) * pixmap.width();
      for (int x = 0; x < pixmap.width(); ++x) {
        row[x] = SoftFromRgba(in + 4 * x);
        opaque = opaque && in[4 * x + 3] == 255;
      }
    }
    texture->opaque = opaque;
    VideoTexture* made = texture.get();
    textures_.emplace(made, std::move(texture));
    return made;
  }

  void updateTexture(VideoTexture* texture, const TPixmap& pixmap) override {
    flush();  // draws queued with the old pixels run first
    auto& soft = static_cast<SoftTexture&>(*texture);
    const int w = std::min(soft.width, pixmap.width()), h = std::min(soft.height, pixmap.height());
    for (int y = 0; y < h; ++y) {
      const std::uint8_t* in = pixmap.row(y);
      std::uint32_t* row = soft.pixels.data() + static_cast<std::ptrdiff_t>(y) * soft.width;
      for (int x = 0; x < w; ++x) row[x] = SoftFromRgba(in + 4 * x);
    }
  }

  void freeTexture(VideoTexture* texture) override {
    flush();  // a queued draw may still read it
    textures_.erase(texture);
  }

  void setClip(const SoftClip&, bool) override {}  // each draw takes the clip of its moment

  void clear(int red, int green, int blue) override {
    const SoftClip& c = Video().clip;
    const SoftTint colour{static_cast<std::uint32_t>(red), static_cast<std::uint32_t>(green),
                          static_cast<std::uint32_t>(blue), 255};
    SoftQueueFillRect(c, c.x0, c.y0, c.x1, c.y1, colour, SoftBlend::kCopy);
  }

  void drawTexture(VideoTexture* texture, const TextureQuad& t) override {
    const VideoState& v = Video();
    auto& soft = static_cast<SoftTexture&>(*texture);
    SoftQuad q = v.rotation == 0.0f ? PlacedQuad(t.src, t.dst, t.mirrorX, t.mirrorY)
                                    : TransformedQuad(t.src, t.x, t.y, t.width, t.height, t.hx, t.hy);
    // A copy texel for texel takes no filtering; a turned one takes the
    // nearest texel, as SDL's software renderer turns a sprite.
    const bool exact = q.uStepX == 1 && q.vStepY == 1 && q.uStepY == 0 && q.vStepX == 0 &&
                       q.originX == std::floor(q.originX) && q.originY == std::floor(q.originY);
    q.filtered = soft.filtered && !exact && v.rotation == 0.0f;
    SoftQueueQuad(v.clip, soft.view(), q, TintOf(v), SoftBlendFor(v, soft.opaque && v.rotation == 0.0f));
  }

  void fillRect(float x0, float y0, float w, float h) override {
    const VideoState& v = Video();
    // Cut to whole pixels as SDL's software renderer cuts a filled rectangle.
    const int left = static_cast<int>(x0), top = static_cast<int>(y0);
    SoftQueueFillRect(v.clip, left, top, left + static_cast<int>(w), top + static_cast<int>(h), TintOf(v),
                      SoftBlendFor(v, true));
  }

  void fillTurnedRect(float x, float y, float width, float height) override {
    const VideoState& v = Video();
    const SDL_Rect unit{0, 0, 1, 1};
    SoftQueueFillQuad(v.clip, TransformedQuad(unit, x, y, width, height, 0, 0), TintOf(v), SoftBlendFor(v, true));
  }

  void drawLine(SDL_FPoint from, SDL_FPoint to) override {
    const VideoState& v = Video();
    SDL_Surface* surface = flush();  // what the compositor holds goes under the line
    SDL_Renderer* lines = LineRenderer(surface);
    if (!lines) return;
    const SDL_Rect clip{v.clip.x0, v.clip.y0, v.clip.x1 - v.clip.x0, v.clip.y1 - v.clip.y0};
    SDL_RenderSetClipRect(lines, &clip);
    SDL_SetRenderDrawBlendMode(lines, CopiesInstead(v, true) ? SDL_BLENDMODE_NONE
                                      : v.blend == LIGHTBLEND ? SDL_BLENDMODE_ADD
                                                               : SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(lines, static_cast<Uint8>(v.red), static_cast<Uint8>(v.green),
                           static_cast<Uint8>(v.blue), AlphaByte(v.alpha));
    SDL_RenderDrawLineF(lines, from.x, from.y, to.x, to.y);
    // The compositor draws next straight on the pixels: the line goes first.
    SDL_RenderFlush(lines);
  }

  void dropFrame() override { SoftDiscard(); }

  void present() override {
    flush();
    SDL_UpdateWindowSurface(window_);
  }

  bool readPixels(TPixmap& frame) override {
    SDL_Surface* surface = flush();
    if (!surface || surface->w < frame.width() || surface->h < frame.height()) return false;
    for (int y = 0; y < frame.height(); ++y) {
      const auto* in = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(surface->pixels) +
                                                               static_cast<std::ptrdiff_t>(y) * surface->pitch);
      std::uint8_t* out = frame.row(y);
      for (int x = 0; x < frame.width(); ++x, out += 4) {
        out[0] = static_cast<std::uint8_t>(in[x] >> 16);
        out[1] = static_cast<std::uint8_t>(in[x] >> 8);
        out[2] = static_cast<std::uint8_t>(in[x]);
        out[3] = 255;
      }
    }
    return true;
  }

 private:
  // Runs the queued draws on the window's pixels, as they are now (a mode
  // shown or a size changed gives the window new ones); returns them.
  SDL_Surface* flush() {
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (!surface || !surface->pixels) {
      SoftDiscard();
      return nullptr;
    }
    SoftFlush(SoftPixels{static_cast<std::uint32_t*>(surface->pixels), surface->pitch / 4, surface->w, surface->h});
    return surface;
  }

  // The renderer of the lines, over the window's pixels of the moment.
  SDL_Renderer* LineRenderer(SDL_Surface* surface) {
    if (!surface) return nullptr;
    if (lines_ && (lineSurface_ != surface || linePixels_ != surface->pixels || lineWidth_ != surface->w ||
                   lineHeight_ != surface->h)) {
      SDL_DestroyRenderer(lines_);
      lines_ = nullptr;
    }
    if (!lines_) {
      lines_ = SDL_CreateSoftwareRenderer(surface);
      lineSurface_ = surface;
      linePixels_ = surface->pixels;
      lineWidth_ = surface->w;
      lineHeight_ = surface->h;
    }
    return lines_;
  }

  SDL_Window* window_;
  std::unordered_map<VideoTexture*, std::unique_ptr<VideoTexture>> textures_;
  SDL_Renderer* lines_ = nullptr;
  SDL_Surface* lineSurface_ = nullptr;
  void* linePixels_ = nullptr;
  int lineWidth_ = 0, lineHeight_ = 0;
};

}  // namespace

std::unique_ptr<VideoBackend> MakeSoftBackend(SDL_Window* window) { return std::make_unique<SoftBackend>(window); }

}  // namespace sorvanta
