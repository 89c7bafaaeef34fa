#pragma once
// Particles: short-lived images moving on a curve while their alpha, scale
// and rotation change with age, on the millisecond clock. Drawing a list
// advances it; a particle removes itself when its life is over.
#include <memory>
#include <vector>

#include "effects/effect_list.h"
#include "gui/gui_types.h"

namespace sorvanta {

class TImage;
class TParticle;

// The default list, made empty at start-up; screens may keep lists of their own.
extern TEffectList<TParticle> particlesList;

class TParticle {
 public:
  virtual ~TParticle() = default;

  float startA = 0, startS = 0, startR = 0;
  float a = 0, da = 0;  // alpha now; at the end (the peak with reverseAlpha)
  float s = 0, ds = 0;
  float r = 0, dr = 0;
  int n = 0;            // index into img
  TRGB rgb;             // multiplied into the image
  float x = 0, y = 0;
  int blend = 4;
  int reverseAlpha = 0; // alpha rises to da at half life and falls back
  int iAmSand = 0;
  float _odl = 0;
  int startTime = 0;    // creation time + delay
  int bornTime = 0;     // clock at the first update at or after startTime
  int lifeTime = 1;     // ms from bornTime
  float lifePer = 0;    // age / lifeTime, at most 1
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  float per = 0;
  float mx = 0, my = 0;
  TEffectList<TParticle>* list = nullptr;  // the list holding it
  float pomPer = 0;

  // Images by n, handles centred; an empty slot draws nothing.
  static std::vector<std::shared_ptr<TImage>> img;

  // Reads "data/particles.dat" into img; an image that cannot be loaded is
  // reported and leaves its slot empty.
  static void setup();
  virtual void _updateTime();
  virtual void _updateAlpha();
  virtual void _updateScale();
  virtual void _updatePosition();  // rotation
  virtual void _updateMove();      // position
  virtual void update();
  virtual void draw();
  virtual void destroy();

 private:
  bool born_ = false;  // bornTime is taken (the clock may read 0)
};

// A particle on the given list (none: particlesList); none when x1 and y1
// are both 0.
std::shared_ptr<TParticle> createParticle(int n, float x1, float y1, float x2, float y2, float mx, float my,
                                          const TRGB& rgb, float startA, float endA, float startS, float endS,
                                          float startR, float endR, int blend, int delay, int lifeTime,
                                          TEffectList<TParticle>* list = nullptr);
// Advances and draws every particle of the list (none: particlesList), then
// leaves scale 1, blend 3, white, alpha 1 and rotation 0 in force.
void _drawParticles(TEffectList<TParticle>* list = nullptr);
// Empties the list (none: particlesList).
void clearParticles(TEffectList<TParticle>* list = nullptr);
// Loading phase 4.
void setupParticles();

}  // namespace sorvanta
