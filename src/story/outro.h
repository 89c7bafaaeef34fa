#pragma once
// The ending of a campaign: five picture scenes under the story frame, with
// captions, music, sparks, light rays and the circling banners, then the
// credits. Always leads back to "MAIN-MENU"; a left press skips to the end.
#include <array>
#include <memory>
#include <string>

#include "core/ekran.h"
#include "effects/particle.h"
#include "story/story_figures.h"
#include "story/story_text.h"

namespace sorvanta {

class TImg;

class TOutro : public TEkran, public TStoryCaptions {
 public:
  TOutro();

  std::array<std::shared_ptr<TImg>, 4> image;  // scenes 1, 2, 4 and 5
  std::shared_ptr<TImg> druidBack;             // scene 3
  std::shared_ptr<TImg> druid;                 // the figure standing in scene 3
  std::array<std::shared_ptr<TImg>, 4> flag;
  std::shared_ptr<TImg> scroll;
  std::shared_ptr<TImg> belki;   // the frame over every scene
  std::shared_ptr<TImg> stripe;  // one light ray of scene 2
  TBOList buffer;                // this frame's banners, by depth
  TEffectList<TParticle> thirdParticles;
  TEffectList<TParticle> firstParticles;
  float rot = 0;  // the banner circle's angle, degrees
  float cx = 512, cy = 250;
  float scale1 = 0, scale2 = 0, scale3 = 0, scale4 = 0, scale5 = 0;
  float alpha1 = 0, alpha2 = 0, alpha3 = 0, alpha4 = 0, alpha5 = 0;
  int part = 0;                    // the current scene, 1..5
  int nextTime = 0;                // clock time the current scene ends
  float width = 330, height = 50;  // radii of the banner circle
  std::array<float, 4> tapA{};
  std::array<int, 4> tapTime{};
  std::array<int, 8> stripeRot{};
  std::array<float, 8> stripeA{};
  std::array<float, 8> stripeDA{};
  std::array<float, 8> stripeSpeed{};
  int partTime = 0;  // clock time of the next spark emission

  static constexpr int Draw_Add_Up = 60;  // every story picture is raised this far
  // Scene lengths in ms; the first counts from the run's start.
  static constexpr int kSceneMs[5] = {5000, 26000, 14000, 22000, 21000};

  void setup() override;
  void draw() override;
  void update() override;
  virtual void ResetParams();
  virtual void loadStory();
  virtual void AddObject(const std::shared_ptr<TImg>& img, float x, float y, float a, float s);
  virtual void _drawBack();
  virtual void _draw_First();
  virtual void _draw_Second();
  virtual void _draw_Third();
  virtual void _draw_fourth();
  virtual void _draw_five();
  virtual void _drawPart();
  virtual void _updateStory();
  virtual void _update_First();
  virtual void _update_Second();
  virtual void _update_Third();
  virtual void _update_Fourth();
  virtual void _update_Five();
  virtual void _updateParts();
  virtual void start_third();
  virtual std::string mainloop();
  // Only the current caption stops; the scene deadlines keep running.
  virtual void pause();
  virtual void unpause();

 private:
  void emitFirst();
  void emitThird(int banner);
  bool sceneOver();  // the current scene's deadline has passed
};

extern std::shared_ptr<TOutro> outro;

}  // namespace sorvanta
