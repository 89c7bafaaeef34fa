// A bounded cache of sprites turned once on the renderer, kept for reuse.
#include "platform/rotation_cache.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <list>
#include <map>
#include <tuple>
#include <vector>

namespace sorvanta {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Key {
  SDL_Texture* texture;
  int x, y, w, h, step;
  auto tie() const { return std::tie(texture, x, y, w, h, step); }
  bool operator<(const Key& o) const { return tie() < o.tie(); }
};

struct Entry {
  Key key;
  SDL_Texture* turned;
  int w, h;
  long bytes;
};

struct Cache {
  std::list<Entry> entries;  // most recently used first
  std::map<Key, std::list<Entry>::iterator> index;
  std::map<Key, std::vector<std::uint32_t>> sources;  // read-back pixels, step -1
  long bytes = 0;
  bool enabled = true;
};

Cache& TheCache() {
  static Cache cache;
  return cache;
}

void Drop(Cache& c, std::list<Entry>::iterator it, bool destroy) {
  if (destroy && it->turned) SDL_DestroyTexture(it->turned);
  c.bytes -= it->bytes;
  c.index.erase(it->key);
  c.entries.erase(it);
}

// The src rectangle's pixels (RGBA32), read back once through a target
// texture: the layer may have let the decoded picture go.
const std::vector<std::uint32_t>* SourcePixels(Cache& c, SDL_Renderer* renderer, SDL_Texture* texture,
                                               const SDL_Rect& src) {
  const Key key{texture, src.x, src.y, src.w, src.h, -1};
  if (auto found = c.sources.find(key); found != c.sources.end()) return &found->second;
  SDL_Texture* target = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_TARGET, src.w, src.h);
  if (!target) return nullptr;
  SDL_Texture* previous = SDL_GetRenderTarget(renderer);
  SDL_BlendMode blend = SDL_BLENDMODE_BLEND;
  Uint8 r = 255, g = 255, b = 255, a = 255;
  SDL_GetTextureBlendMode(texture, &blend);
  SDL_GetTextureColorMod(texture, &r, &g, &b);
  SDL_GetTextureAlphaMod(texture, &a);
  std::vector<std::uint32_t> pixels(static_cast<size_t>(src.w) * src.h);
  bool read = SDL_SetRenderTarget(renderer, target) == 0;
  if (read) {
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
    SDL_SetTextureColorMod(texture, 255, 255, 255);
    SDL_SetTextureAlphaMod(texture, 255);
    SDL_RenderCopy(renderer, texture, &src, nullptr);
    read = SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_RGBA32, pixels.data(), src.w * 4) == 0;
    SDL_SetRenderTarget(renderer, previous);
    SDL_SetTextureBlendMode(texture, blend);
    SDL_SetTextureColorMod(texture, r, g, b);
    SDL_SetTextureAlphaMod(texture, a);
  }
  SDL_DestroyTexture(target);
  if (!read) return nullptr;
  c.bytes += 4L * src.w * src.h;
  return &c.sources.emplace(key, std::move(pixels)).first->second;
}

// Files a new copy, letting the least used go while over budget.
void Remember(Cache& c, Entry entry) {
  c.entries.push_front(entry);
  c.index[entry.key] = c.entries.begin();
  c.bytes += entry.bytes;
  while (c.bytes > kRotationCacheBytes && c.entries.size() > 1) Drop(c, std::prev(c.entries.end()), true);
}

}  // namespace

int RotationSteps(int w, int h) {
  const double r = 0.5 * std::sqrt(static_cast<double>(w) * w + static_cast<double>(h) * h);
  const int steps = static_cast<int>(std::ceil(2.0 * kPi * r));
  return steps < 16 ? 16 : steps;
}

SDL_Texture* TurnedTexture(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Rect& src, float angle,
                           int& w, int& h) {
  Cache& c = TheCache();
  if (!c.enabled || src.w > kRotationCacheMaxSide || src.h > kRotationCacheMaxSide) return nullptr;
  const int steps = RotationSteps(src.w, src.h);
  double turns = angle / 360.0;
  turns -= std::floor(turns);
  const int step = static_cast<int>(std::lround(turns * steps)) % steps;
  const Key key{texture, src.x, src.y, src.w, src.h, step};
  if (auto found = c.index.find(key); found != c.index.end()) {
    c.entries.splice(c.entries.begin(), c.entries, found->second);
    w = found->second->w;
    h = found->second->h;
    return found->second->turned;
  }
  const std::vector<std::uint32_t>* pixels = SourcePixels(c, renderer, texture, src);
  if (!pixels) return nullptr;
  const double rad = 2.0 * kPi * step / steps, cs = std::cos(rad), sn = std::sin(rad);
  // A texel of margin each side so no corner is cut; rounding error must
  // not make a square turn's side odd and shift it by half a texel.
  w = static_cast<int>(std::ceil(std::fabs(src.w * cs) + std::fabs(src.h * sn) - 1e-6)) + 2;
  h = static_cast<int>(std::ceil(std::fabs(src.w * sn) + std::fabs(src.h * cs) - 1e-6)) + 2;
  // Each texel's centre, turned back, picks the nearest source texel, as the
  // renderer's own turned quads do.
  std::vector<std::uint32_t> out(static_cast<size_t>(w) * h, 0);
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      const double px = i + 0.5 - 0.5 * w, py = j + 0.5 - 0.5 * h;
      const double sx = px * cs + py * sn + 0.5 * src.w, sy = -px * sn + py * cs + 0.5 * src.h;
      if (sx < 0 || sy < 0 || sx >= src.w || sy >= src.h) continue;
      out[static_cast<size_t>(j) * w + i] = (*pixels)[static_cast<size_t>(sy) * src.w + static_cast<size_t>(sx)];
    }
  SDL_Texture* turned = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC, w, h);
  if (!turned) return nullptr;
  SDL_UpdateTexture(turned, nullptr, out.data(), w * 4);
  SDL_ScaleMode mode = SDL_ScaleModeNearest;
  SDL_GetTextureScaleMode(texture, &mode);
  SDL_SetTextureScaleMode(turned, mode);
  Remember(c, Entry{key, turned, w, h, 4L * w * h});
  return turned;
}

void ForgetTurnedTextures(SDL_Texture* texture) {
  Cache& c = TheCache();
  for (auto it = c.index.lower_bound(Key{texture, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN});
       it != c.index.end() && it->first.texture == texture;) {
    auto entry = (it++)->second;
    Drop(c, entry, true);
  }
  for (auto it = c.sources.lower_bound(Key{texture, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN});
       it != c.sources.end() && it->first.texture == texture;) {
    c.bytes -= 4L * it->first.w * it->first.h;
    it = c.sources.erase(it);
  }
}

void ClearTurnedTextures() {
  Cache& c = TheCache();
  c.entries.clear();
  c.index.clear();
  c.sources.clear();
  c.bytes = 0;
}

void SetRotationCacheEnabled(bool enabled) {
  Cache& c = TheCache();
  c.enabled = enabled;
}

long RotationCacheBytes() { return TheCache().bytes; }

bool RotationCacheEnabled() { return TheCache().enabled; }

}  // namespace sorvanta
