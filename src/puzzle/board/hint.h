#pragma once
// A hint icon of the play screen's panel, and the hint orb that flies from a
// rightly uncovered Picross cell to a charging icon and adds a quarter
// charge when it lands. The icon's drawing and use come with the hint input.
#include <array>
#include <memory>

namespace sorvanta {

class TImage;
class TLevel;

class THint {
 public:
  virtual ~THint() = default;

  int t = 0;         // 0 charged (usable), 1 used: empty or charging
  float a = 0;       // alpha of the charged image fading out after a use
  float x = 0, y = 0;  // centre of the icon
  float myLoad = 0;  // charge shown by the gauge, moving toward dMyLoad
  float dMyLoad = 0; // charge gathered, in quarters
  float _w = 0, _h = 0, _x = 0, _y = 0;      // gauge destination, work values
  float _sx = 0, _sy = 0, _sw = 0, _sh = 0;  // gauge source, work values

  static std::array<std::shared_ptr<TImage>, 2> img;  // charged, used
  static int last;  // corner of the most recent spark

  // The icon at the screen's alpha set by the caller: glowing under the
  // mouse while charged, the charged image fading out after a use, and the
  // gauge filling the used icon from the bottom while it recharges.
  virtual int Draw();
  // 1 when charged.
  virtual int loaded() const { return t == 0 ? 1 : 0; }
  // A quarter charge; a full charge makes the hint usable at once.
  virtual void loadMeUp();
  // Eases the gauge and fades the used image; 1 when the mouse is over it.
  virtual int over();
  // Spends the charge ("hint" sounds in Picross).
  virtual void use();
  // Gives a spent charge back at once.
  virtual void Reuse();
  // Two sparks to cells not yet acted on, never from the previous corner.
  virtual void Fly(const std::shared_ptr<TLevel>& level);
  virtual void CreateFlyingHint(const std::shared_ptr<TLevel>& level, int corner);
};

// A hint orb in flight on an eased curve; it fades over its last fifth. Made
// by createNewAddHint and kept in flyingAddHints (flying_hints.h); the level
// counts the orbs heading for each hint when it picks a new target.
class TFlyingAddHint {
 public:
  virtual ~TFlyingAddHint() = default;

  float x1 = 0, y1 = 0;  // start: the uncovered cell
  float x2 = 0, y2 = 0;  // end: the hint icon
  float mx = 0, my = 0;  // curve control point: a screen corner
  float per = 0;         // progress 0..1
  float x = 0, y = 0;
  int size = 0;
  float rot = 0, a = 0, s = 0;
  float speed = 0.008f;  // progress per frame at delta 1
  std::shared_ptr<THint> myHint;
  int partTime = 0;  // clock after which the next burst of particles may come

  static std::shared_ptr<TImage> img;  // centred

  virtual void draw();
  virtual void update();
  // Leaves the list and gives the play screen's level a quarter charge.
  virtual void destroy();
  virtual void GenerateParticles();
};

}  // namespace sorvanta
