#pragma once
// The stage screen: one stage's panel with its title, preview and grid of
// level buttons, where a player picks a level; the first visit shows the
// land's story page in place of the grid. It runs nested in the map, or on
// its own after a won level that the stage continues.
#include <array>
#include <memory>
#include <string>
#include <utility>

#include "campaign/stage.h"
#include "core/ekran.h"
#include "core/states.h"
#include "map/story_part.h"

namespace sorvanta {

class TImage;
class TImageFont;
class TImg;

// Where the panel puts the stage's preview.
inline constexpr float kPreviewX = 117, kPreviewY = 67;
// The one level count that takes the wide grid of small buttons.
inline constexpr int kWideGridLevels = 25;

// What a level button shows: an optional current mark beneath, moved by
// (markDx, markDy) from the button's centre, then the button.
struct TLevelLook {
  std::shared_ptr<TImg> mark;
  int markDx = 0, markDy = 0;
  std::shared_ptr<TImg> button;
};

class TStageScreen : public TEkran {
 public:
  std::shared_ptr<TStage> stage;
  std::shared_ptr<TImage> back;
  std::array<std::shared_ptr<TImg>, 3> levelImg;      // won, unlocked, locked
  std::array<std::shared_ptr<TImg>, 2> levelImgOver;  // under the mouse: won, unlocked
  std::array<std::shared_ptr<TImg>, 2> levelImgAct;   // current mark: won, unlocked
  std::shared_ptr<TImageFont> storyFont;              // 24 px; pages are wrapped in it
  std::shared_ptr<TLevelData> overLevel;              // won or unlocked level under the mouse
  int actStageId = 0;
  std::shared_ptr<TStoryPart> actStory;
  std::shared_ptr<TImageFont> titleFont;  // 32 px
  std::string stageTitle;
  int maxA = 0;  // last grid column
  int stepW = 0, stepH = 0;
  int startX = 0, startY = 0;  // centre of the first button
  float drawS = 1.0f;          // button scale
  float storyA = 0, dStoryA = 0;
  // Set by the campaign when play hands over straight to this screen: every
  // later entry then fades in from black instead of over the map.
  int noPrepare = 0;

  // Every story page, in file order; read by setup.
  static TStoryParts storyTexts;

  void setup() override;
  void draw() override;
  void update() override;
  virtual void _drawBack();
  virtual void _drawPanel();
  virtual void _drawLevels();
  virtual void _drawStory();
  virtual void _updateLevels();
  virtual void _updateStoryAlpha();
  virtual void _prepareSelf();
  virtual void _prepareLevels();
  virtual void _prepareStory();
  // The given stage, or the current mode's stage; without either, stage is
  // left none and nothing else changes.
  virtual void prepare(std::shared_ptr<TStage> shown);
  // The given stage, or the current mode's stage when none is given:
  // "MAIN-GAME" after a level was started, "MAP-SCREEN" otherwise. Without
  // either stage it returns "MAP-SCREEN" at once. Once a way out is chosen,
  // later clicks are ignored.
  virtual std::string mainloop(std::shared_ptr<TStage> shown);
  virtual void pickLevel(std::shared_ptr<TLevelData> level);
  virtual void goMap();
  virtual void goPlay();
  virtual void MarkStoryRead();

  // Centre of the k-th button (from 0) in the prepared grid.
  std::pair<int, int> levelCentre(int k) const;
  // The button of the level at position (from 1) in the shown stage.
  TLevelLook levelLook(const TLevelData& level, int position) const;
  // True when position (from 1) is the current mode's current level and the
  // shown stage its current stage.
  bool isCurrentLevel(int position) const;
};

extern std::shared_ptr<TStageScreen> stageScreen;

}  // namespace sorvanta
