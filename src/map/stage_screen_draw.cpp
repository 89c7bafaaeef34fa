// The stage screen's drawing: the map behind, the panel with preview and
// title, the level grid and the story page that cross-fades with it.
#include "core/draw_state.h"
#include "gui/img.h"
#include "map/map_screen.h"
#include "map/stage_screen.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/video.h"

namespace sorvanta {

namespace {

constexpr float kTitleY = 10;
constexpr float kTitleShadow = 3;
constexpr float kCentreX = 512;

void plainState(float a, float scale) {
  ResetDrawState(a);
  SetScale(scale, scale);
}

// Left edge that centres a text of width w on x (halves truncate toward zero).
float centred(int w) { return kCentreX - static_cast<float>(w / 2); }

}  // namespace

void TStageScreen::draw() {
  _drawBack();
  _drawPanel();
  _drawGUI();
  _drawLevels();
  _drawStory();
  _drawFade();
}

void TStageScreen::_drawBack() {
  if (alpha < 1 && mapScreen) mapScreen->draw();
}

void TStageScreen::_drawPanel() {
  plainState(alpha, 1);
  DrawImage(back, 0, 0);
  if (stage) DrawImage(stage->preview, kPreviewX, kPreviewY);
  SetImageFont(titleFont);
  const int w = TextWidth(stageTitle);
  SetColor(0, 0, 0);
  SetAlpha(0.75f * alpha);
  DrawText(stageTitle, centred(w) + kTitleShadow, kTitleY + kTitleShadow);
  SetColor(255, 255, 255);
  SetAlpha(alpha);
  DrawText(stageTitle, centred(w), kTitleY);
}

void TStageScreen::_drawLevels() {
  if (!stage) return;
  plainState((1 - storyA) * alpha, drawS);
  int k = 0;
  for (const auto& level : stage->levels) {
    const auto [x, y] = levelCentre(k);
    const TLevelLook look = levelLook(*level, ++k);
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    if (look.mark) DrawImg(look.mark, fx + static_cast<float>(look.markDx), fy + static_cast<float>(look.markDy));
    DrawImg(look.button, fx, fy);
  }
  SetScale(1, 1);
}

void TStageScreen::_drawStory() {
  if (!actStory || storyA == 0) return;
  SetImageFont(storyFont);
  plainState(storyA * alpha, 1);
  SetColor(0, 0, 0);
  float y = actStory->startY;
  for (const std::string& line : actStory->txt) {
    DrawText(line, centred(TextWidth(line)), y);
    y += static_cast<float>(TextHeight(line));
  }
  SetColor(255, 255, 255);
}

}  // namespace sorvanta
