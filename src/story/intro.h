#pragma once
// The intro that opens every new campaign: seven picture scenes under the
// frame, with captions, music, particles, lightning, the druid crowd, the
// circling flags and the scroll they fly into. Always leads to "MAIN-GAME".
#include <array>
#include <memory>
#include <string>

#include "core/ekran.h"
#include "effects/particle.h"
#include "story/story_figures.h"
#include "story/story_text.h"

namespace sorvanta {

class TImg;

struct TStoryPoint {
  float x = 0, y = 0;
};

class TIntro : public TEkran, public TStoryCaptions, public TDruidCrowd {
 public:
  TIntro();

  std::array<std::shared_ptr<TImg>, 5> image;
  std::shared_ptr<TImg> light;
  std::array<std::shared_ptr<TImg>, 7> druids;
  std::shared_ptr<TImg> scroll;
  std::shared_ptr<TImg> belki;  // the frame over every scene
  std::shared_ptr<TImg> gobki;  // scene 0's bobbing overlay
  std::shared_ptr<TImg> druidsBack;
  int Draw_Add_Up = 60;  // every story picture is raised this far
  std::array<float, 4> tapA{};
  std::array<int, 4> tapTime{};
  int part = 0;
  std::array<TStoryPoint, 10> druidDim{};
  std::array<float, 5> px{}, py{};
  float scale = 0, scale9 = 0;
  int nextPart = 0;
  float nA = 0;
  float lightA = 0, dLightA = 0;
  int lightTime = 0;
  float width = 330, height = 50;
  std::array<std::shared_ptr<TImg>, 4> flag;
  float rot = 0;
  float cx = 512, cy = 250;
  float scrollA = 0;
  TEffectList<TParticle> firstList;
  float gobPer = 0, dGobPer = 0;
  float firstA2 = 0;
  int drawN = 4;
  TBOList buffer;
  float scale8 = 0, fsc = 0, fifthA = 0, sixA = 1;
  int partTime = 0;
  float scale4 = 0, scale2 = 0;
  TEffectList<TParticle> secondList;
  float scale5 = 0, alphaS2 = 0, fourthA = 0;
  std::array<float, 4> tapFlyP{};

  void setup() override;
  void draw() override;
  void update() override;
  virtual void loadStory();
  virtual void AddObject(const std::shared_ptr<TImg>& img, float x, float y, float a, float s);
  virtual void _drawFirst();
  virtual void _drawFirstA();
  virtual void _drawSecond();
  virtual void _drawSecondA();
  virtual void _drawFourth();
  virtual void _drawFifth();
  virtual void _drawSix();
  static float FlyVX(int x, float p) { return (618 - x) * p; }
  static float FlyVY(int y, float p) { return (421 - y) * p; }
  virtual void _drawBack();
  virtual void _updateFirst();
  virtual void _updateFirstA();
  virtual void _updateSecond();
  virtual void _updateSecondA();
  virtual void _updateFourth();
  virtual void _updateFifth();
  virtual void _updateSix();
  virtual void _updateStory();
  virtual void ResetDruids();
  virtual void prepare();
  virtual std::string mainloop();
  virtual void pause();
  virtual void unpause();

  // Scene lengths after the first, in ms; the first counts from prepare.
  static constexpr int kSceneMs[7] = {10000, 8000, 12000, 9000, 11000, 9000, 36000};

 private:
  void drawScene(int scene);
  void drawFigure(const TDruid& d, float sceneAlpha);
  void endCheck();
  void emitFirst();
  void emitSmoke(float x1, float base);
};

extern std::shared_ptr<TIntro> intro;

}  // namespace sorvanta
