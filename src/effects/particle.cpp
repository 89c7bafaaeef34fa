// Particles: creation, the per-frame step, drawing and the image table.
#include "effects/particle.h"

#include <algorithm>
#include <string>

#include "core/draw_state.h"
#include "core/globals.h"
#include "formats/rcm_file.h"
#include "platform/clock.h"
#include "platform/image.h"
#include "platform/strings.h"
#include "platform/system.h"
#include "platform/video.h"

namespace sorvanta {

TEffectList<TParticle> particlesList;
std::vector<std::shared_ptr<TImage>> TParticle::img;

namespace {

// More image slots than this is a damaged table, not a bigger one.
constexpr int kMaxParticleImages = 1000;

TEffectList<TParticle>& orDefault(TEffectList<TParticle>* list) { return list ? *list : particlesList; }

bool waiting(const TParticle& p) { return msSince(MilliSecs(), p.startTime) < 0; }

}  // namespace

void TParticle::setup() {
  auto file = loadRCMFile(bDir + "data/particles.dat");
  const int last = std::min(FloatToInt(file->getFloat("particles::i", 0, 0)), kMaxParticleImages - 1);
  std::vector<std::shared_ptr<TImage>> images(last + 1 > 0 ? last + 1 : 0);
  for (int k = 0; k <= last; ++k) {
    const std::string path = file->getString("particles::p" + std::to_string(k), 0);
    images[k] = LoadImage(bDir + path, FILTEREDIMAGE | MIPMAPPEDIMAGE);
    if (!images[k]) {
      Notify("NO PARTICLE IMG: " + path);
      continue;
    }
    MidHandleImage(images[k]);
  }
  img = std::move(images);
}

void TParticle::_updateTime() {
  const int now = MilliSecs();
  if (!born_) {
    born_ = true;
    bornTime = now;
  }
  const int age = msSince(now, bornTime);
  // A life of 0 or less is over at once: drawn once at its end, then gone.
  lifePer = lifeTime > 0 ? std::min(static_cast<float>(age) / static_cast<float>(lifeTime), 1.0f) : 1.0f;
  if (lifeTime <= 0 || age > lifeTime) destroy();
}

void TParticle::_updateAlpha() {
  if (reverseAlpha == 0) {
    a = startA + (da - startA) * lifePer;
    return;
  }
  pomPer = lifePer <= 0.5f ? lifePer / 0.5f : 1 - (lifePer - 0.5f) / 0.5f;
  a = startA + (da - startA) * pomPer;
}

void TParticle::_updateScale() { s = startS + (ds - startS) * lifePer; }

void TParticle::_updatePosition() { r = startR + (dr - startR) * lifePer; }

void TParticle::_updateMove() {
  per = lifePer;
  x = curvePoint(x1, mx, x2, per);
  y = curvePoint(y1, my, y2, per);
}

void TParticle::update() {
  if (waiting(*this)) return;
  _updateTime();
  _updateAlpha();
  _updateScale();
  _updateMove();
  _updatePosition();
}

void TParticle::draw() {
  if (waiting(*this)) return;
  // A slot that failed to load, or an index beyond the table, has nothing to show.
  if (n < 0 || n >= static_cast<int>(img.size()) || !img[n]) return;
  SetBlend(blend);
  SetRotation(r);
  SetColor(FloatToInt(rgb.r), FloatToInt(rgb.g), FloatToInt(rgb.b));
  SetAlpha(a);
  SetScale(s, s);
  DrawImage(img[n], x, y, 0);
}

void TParticle::destroy() {
  if (list) removeEffect(*list, this);
}

std::shared_ptr<TParticle> createParticle(int n, float x1, float y1, float x2, float y2, float mx, float my,
                                          const TRGB& rgb, float startA, float endA, float startS, float endS,
                                          float startR, float endR, int blend, int delay, int lifeTime,
                                          TEffectList<TParticle>* list) {
  if (x1 == 0 && y1 == 0) return nullptr;
  auto p = std::make_shared<TParticle>();
  p->n = n;
  p->x1 = x1;
  p->y1 = y1;
  p->x2 = x2;
  p->y2 = y2;
  p->mx = mx;
  p->my = my;
  p->rgb = rgb;
  p->a = p->startA = startA;
  p->da = endA;
  p->s = p->startS = startS;
  p->ds = endS;
  p->r = p->startR = startR;
  p->dr = endR;
  p->blend = blend;
  p->startTime = msAfter(MilliSecs(), delay);
  p->lifeTime = lifeTime;
  p->list = &orDefault(list);
  p->list->push_back(p);
  return p;
}

void _drawParticles(TEffectList<TParticle>* list) {
  forEachEffect(orDefault(list), [](TParticle& p) {
    p.update();
    p.draw();
  });
  ResetDrawState();
}

void clearParticles(TEffectList<TParticle>* list) { orDefault(list).clear(); }

void setupParticles() { TParticle::setup(); }

}  // namespace sorvanta
