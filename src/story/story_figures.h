#pragma once
// Sprites of a story scene drawn in depth order, and the robed figures of
// the intro's crowd with their leaving and the last one's walk.
#include <array>
#include <list>
#include <memory>

namespace sorvanta {

class TImg;

// One sprite of a frame's depth-sorted group: lower sprites are nearer.
class TBO {
 public:
  std::shared_ptr<TImg> img;
  float x = 0, y = 0;
  float a = 0;  // own opacity factor
  float s = 0;  // own size factor
  virtual ~TBO() = default;
  // The depth scale of a sprite at y: 0.8 * (0.7 + 0.3 * (y - 200) / 200).
  static float depthScale(float y);
  virtual void draw(float alpha);
};

using TBOList = std::list<std::shared_ptr<TBO>>;

// Orders by the whole-pixel difference of y; std::list::sort is stable, so
// sprites less than a pixel apart keep the order they were added in.
int sortFunc(const std::shared_ptr<TBO>& o1, const std::shared_ptr<TBO>& o2);
void sortByDepth(TBOList& buffer);

class TDruid;

// What the figures share with the scene that owns them: the crowd, and the
// times the walk's end sets for the scroll and the flying flags.
class TDruidCrowd {
 public:
  std::list<std::shared_ptr<TDruid>> listaDruidow;
  int scrollTime = 0;                 // 0: not set in this run
  std::array<int, 4> flyScroll{};     // 0: not set
  virtual ~TDruidCrowd() = default;
};

class TDruid {
 public:
  float sc = 0;
  int dir = 1;  // -1 draws mirrored
  int x = 0, y = 0;
  std::shared_ptr<TImg> image;
  float a = 1, da = 1;
  int time = 0;  // clock time after which it leaves
  float p = 0;   // walk progress 0..1
  float odlX = 380;
  int startX = 0;  // 0: walk not begun
  TDruidCrowd* crowd = nullptr;

  virtual ~TDruid() = default;
  // Leaves when its time has come: fades out and removes itself; the last
  // figure of the crowd walks instead.
  virtual void update();
  // Fades toward its target without a time check.
  virtual void update2();
  virtual void moveMe();
  virtual void destroy();

 private:
  void fadeStep(float rate);
};

}  // namespace sorvanta
