// SDL's renderer as a back end: OpenGL and the like, or SDL's own software
// renderer where our compositor cannot take the window's pixels.
#include <cstdint>
#include <unordered_map>

#include "platform/video_internal.h"
#include "platform/video_sdl_backend.h"

namespace sorvanta {

namespace {

SDL_BlendMode SdlBlend(int blend) { return blend == LIGHTBLEND ? SDL_BLENDMODE_ADD : SDL_BLENDMODE_BLEND; }

SDL_BlendMode BlendFor(const VideoState& v, bool opaqueSource) {
  return CopiesInstead(v, opaqueSource) ? SDL_BLENDMODE_NONE : SdlBlend(v.blend);
}

class SdlBackend : public SdlRendering {
 public:
  SdlBackend(SDL_Renderer* renderer, bool softAllowed) : renderer_(renderer), softAllowed_(softAllowed) {
    SDL_RendererInfo info;
    software_ = SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) != 0;
  }
  ~SdlBackend() override {
    for (auto& [handle, texture] : textures_) SDL_DestroyTexture(static_cast<SdlTexture&>(*texture).texture);
    SDL_DestroyRenderer(renderer_);
  }

  SDL_Renderer* renderer() const override { return renderer_; }
  static SDL_Texture* Sdl(VideoTexture* texture) { return static_cast<SdlTexture*>(texture)->texture; }

  bool keepsAcrossModes(bool resized) const override {
    // SDL's OpenGL renderer can go on drawing at the window's old size
    // (Mesa's does); a software one would give way to our compositor.
    return software_ ? softAllowed_ == SoftCanvasAllowed() : !resized;
  }
  bool outputSize(int& width, int& height) override {
    return SDL_GetRendererOutputSize(renderer_, &width, &height) == 0;
  }
  void setVSync(bool on) override {
    // SDL's software renderer would only imitate the wait, which the frame
    // pacing does already.
    if (!software_) SDL_RenderSetVSync(renderer_, on ? 1 : 0);
  }

  VideoTexture* makeTexture(const TPixmap& pixmap, bool filtered) override {
    SDL_Texture* made = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC, pixmap.width(),
                                          pixmap.height());
    if (!made) return nullptr;
    auto texture = std::make_unique<SdlTexture>();
    texture->texture = made;
    texture->width = pixmap.width();
    texture->height = pixmap.height();
    texture->filtered = filtered;
    SDL_UpdateTexture(made, nullptr, pixmap.data(), pixmap.width() * 4);
    bool opaque = true;
    for (int y = 0; y < pixmap.height() && opaque; ++y) {
      const std::uint8_t* row = pixmap.row(y);
      for (int x = 0; x < pixmap.width(); ++x)
        if (row[x * 4 + 3] != 255) {
          opaque = false;
          break;
        }
    }
    texture->opaque = opaque;
    SDL_SetTextureScaleMode(made, filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    VideoTexture* handle = texture.get();
    textures_.emplace(handle, std::move(texture));
    return handle;
  }

  void updateTexture(VideoTexture* texture, const TPixmap& pixmap) override {
    SDL_UpdateTexture(Sdl(texture), nullptr, pixmap.data(), pixmap.width() * 4);
  }

  void freeTexture(VideoTexture* texture) override {
    auto found = textures_.find(texture);
    if (found == textures_.end()) return;
    SDL_DestroyTexture(Sdl(texture));
    textures_.erase(found);
  }

  void setClip(const SoftClip& c, bool empty) override {
    const SDL_Rect clip{c.x0, c.y0, c.x1 - c.x0, c.y1 - c.y0};
    SDL_RenderSetClipRect(renderer_, empty ? nullptr : &clip);
    clip_ = c;
    clipEmpty_ = empty;
  }

  void clear(int red, int green, int blue) override {
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(renderer_, static_cast<Uint8>(red), static_cast<Uint8>(green), static_cast<Uint8>(blue),
                           255);
    // SDL_RenderClear would ignore the clip rectangle; a fill honours it.
    SDL_RenderFillRect(renderer_, nullptr);
  }

  void drawTexture(VideoTexture* handle, const TextureQuad& q) override {
    const VideoState& v = Video();
    SDL_Texture* texture = Sdl(handle);
    SDL_SetTextureColorMod(texture, static_cast<Uint8>(v.red), static_cast<Uint8>(v.green),
                           static_cast<Uint8>(v.blue));
    SDL_SetTextureAlphaMod(texture, AlphaByte(v.alpha));
    const int flip = (q.mirrorX ? SDL_FLIP_HORIZONTAL : 0) | (q.mirrorY ? SDL_FLIP_VERTICAL : 0);
    if (v.rotation == 0.0f && flip == 0) {
      // A rotated copy has transparent corners of its own, so only a plain one may skip blending.
      SDL_SetTextureBlendMode(texture, BlendFor(v, handle->opaque));
      SDL_RenderCopyF(renderer_, texture, &q.src, &q.dst);
      return;
    }
    SDL_SetTextureBlendMode(texture, SdlBlend(v.blend));
    SDL_RenderCopyExF(renderer_, texture, &q.src, &q.dst, v.rotation, &q.centre, static_cast<SDL_RendererFlip>(flip));
  }

  void fillRect(float x, float y, float width, float height) override {
    UseShapeColour();
    const SDL_FRect rect{x, y, width, height};
    SDL_RenderFillRectF(renderer_, &rect);
  }

  void fillTurnedRect(float x, float y, float width, float height) override {
    const VideoState& v = Video();
    UseShapeColour();
    const SDL_Color colour{static_cast<Uint8>(v.red), static_cast<Uint8>(v.green), static_cast<Uint8>(v.blue),
                           AlphaByte(v.alpha)};
    SDL_Vertex corners[4];
    const float dx[4] = {0, width, width, 0}, dy[4] = {0, 0, height, height};
    for (int i = 0; i < 4; ++i) corners[i] = SDL_Vertex{OutputPoint(x, y, dx[i], dy[i]), colour, SDL_FPoint{0, 0}};
    const int indices[6] = {0, 1, 2, 0, 2, 3};
    SDL_RenderGeometry(renderer_, nullptr, corners, 4, indices, 6);
  }

  void drawLine(SDL_FPoint from, SDL_FPoint to) override {
    UseShapeColour();
    SDL_RenderDrawLineF(renderer_, from.x, from.y, to.x, to.y);
  }

  void dropFrame() override {}

  void present() override { SDL_RenderPresent(renderer_); }

  bool readPixels(TPixmap& frame) override {
    // Reading ignores the clip rectangle only when none is set.
    SDL_RenderSetClipRect(renderer_, nullptr);
    const int rc = SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_RGBA32, frame.data(), frame.width() * 4);
    setClip(clip_, clipEmpty_);
    if (rc != 0) return false;
    std::uint8_t* p = frame.data();
    for (std::size_t i = 0, n = static_cast<std::size_t>(frame.width()) * frame.height(); i < n; ++i) p[i * 4 + 3] = 255;
    return true;
  }

 private:
  // Shapes take the current blend, colour and alpha.
  void UseShapeColour() {
    const VideoState& v = Video();
    SDL_SetRenderDrawBlendMode(renderer_, BlendFor(v, true));
    SDL_SetRenderDrawColor(renderer_, static_cast<Uint8>(v.red), static_cast<Uint8>(v.green),
                           static_cast<Uint8>(v.blue), AlphaByte(v.alpha));
  }

  SDL_Renderer* renderer_;
  bool softAllowed_;
  bool software_ = false;
  std::unordered_map<VideoTexture*, std::unique_ptr<VideoTexture>> textures_;
  SoftClip clip_;
  bool clipEmpty_ = true;
};

}  // namespace

std::unique_ptr<VideoBackend> MakeSdlBackend(SDL_Renderer* renderer, bool softAllowed) {
  return std::make_unique<SdlBackend>(renderer, softAllowed);
}

}  // namespace sorvanta
