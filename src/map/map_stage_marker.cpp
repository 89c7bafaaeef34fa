// The stage marker on the map: unlock animation, hover and drawing.
#include "map/map_stage_marker.h"

#include <string>

#include "campaign/stage.h"
#include "core/draw_state.h"
#include "core/ekran.h"
#include "core/globals.h"
#include "effects/effect_list.h"
#include "effects/particle_factories.h"
#include "gui/img.h"
#include "gui/mouse.h"
#include "platform/clock.h"
#include "platform/font.h"
#include "platform/video.h"
#include "sound/global_snd.h"

namespace sorvanta {

namespace {

// A title's label reaches this far beyond the text on either side.
constexpr int kLabelPad = 8;
constexpr int kMapLeft = 20, kLeftShift = 30;
constexpr int kMapRight = 1000, kRightShift = 980;

}  // namespace

int stageUpdate(TStage& stage, bool replay) {
  if (replay) stage.unlockPer = 0;
  stageUpdateUnlock(stage);
  return stageUpdateOver(stage);
}

void stageUpdateUnlock(TStage& stage) {
  if (stage.unlockPer == 0 && stage.dUnlockPer == 1 && stage.soundWas == 0) {
    if (globalSnd) globalSnd->playMySound("unlock");
    stage.soundWas = 1;
  }
  rampToward(stage.unlockPer, stage.dUnlockPer, kUnlockRate);
  if (stage.unlockPer > 0 && stage.unlockPer < 1) stageUpdateUnlockEffect(stage);
}

void stageUpdateUnlockEffect(TStage& stage) {
  // The ring swells to twice its speed at mid-animation and settles again.
  const float f = stage.unlockPer < 0.5f ? stage.unlockPer / 0.5f : 1 - (stage.unlockPer - 0.5f) / 0.5f;
  stage.rot += (f + 1) * delta;
  const int now = MilliSecs();
  if (!burstDue(now, stage.timex)) return;
  stage.timex = msAfter(now, kUnlockBurstMs);
  for (int i = 1; i <= kUnlockSparks; ++i)
    createShowStageParticle(static_cast<float>(stage.x), static_cast<float>(stage.y),
                            static_cast<int>(i * stage.rotPart + stage.rot), stage.unlockPer + 0.25f);
}

int stageUpdateOver(const TStage& stage) {
  if (!mouse) return 0;
  const float w = ImgWidth(stage.img), h = ImgHeight(stage.img);
  return mouse->inRect(stage.x - w / 2, stage.y - h / 2, w, h);
}

void stageDraw(const TStage& stage) {
  ResetDrawState();
  DrawImg(stage.img, static_cast<float>(stage.x), static_cast<float>(stage.y));
}

void stageDrawOver(const TStage& stage) {
  ResetDrawState();
  DrawImg(stage.overImg, static_cast<float>(stage.x), static_cast<float>(stage.y));
}

int titleCentre(int cx, int w) {
  const int half = w / 2;
  if (cx - half + kLabelPad < kMapLeft) cx = half + kLeftShift;
  if (cx + half + kLabelPad > kMapRight) cx = kRightShift - half;
  return cx;
}

TTitleLabel stageTitleLabel(const TStage& stage, const std::shared_ptr<TImageFont>& font) {
  SetImageFont(font);
  const int w = TextWidth(stage.title);
  const int cx = titleCentre(stage.x, w);
  const float ty = static_cast<float>(stage.y + stage.titleAddY);
  return {static_cast<float>(cx - (w / 2 + kLabelPad)), ty - 1, static_cast<float>(w + 2 * kLabelPad),
          static_cast<float>(TextHeight(stage.title) + 4)};
}

void stageDrawTitle(const TStage& stage, int over, const std::shared_ptr<TImageFont>& font) {
  const TTitleLabel label = stageTitleLabel(stage, font);
  const int w = TextWidth(stage.title);
  const int half = w / 2;
  const int cx = titleCentre(stage.x, w);
  const float ty = static_cast<float>(stage.y + stage.titleAddY);
  SetColor(0, 0, 0);
  SetAlpha(0.5f);
  DrawRect(label.x, label.y, label.w, label.h);
  SetAlpha(0.75f);
  DrawText(stage.title, static_cast<float>(cx - half + 1), ty + 1);
  SetAlpha(1);
  if (over)
    SetColor(255, 255, 255);
  else
    SetColor(255, 255, 0);
  DrawText(stage.title, static_cast<float>(cx - half), ty);
}

}  // namespace sorvanta
