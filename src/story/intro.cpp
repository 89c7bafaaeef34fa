// The intro's frame: loading, the loop, the caption hook, pause and the
// scene timeline.
#include "story/intro.h"

#include "core/draw_state.h"
#include "core/globals.h"
#include "core/screen_loop.h"
#include "core/states.h"
#include "gui/img.h"
#include "gui/mouse.h"
#include "gui/my_font.h"
#include "platform/clock.h"
#include "platform/video.h"
#include "sound/global_snd.h"

namespace sorvanta {

std::shared_ptr<TIntro> intro;

namespace {
constexpr int kAutoFlags = -1;
constexpr int kFilteredMipmapped = 6;
constexpr TStoryPoint kEmitters[5] = {{160, 460}, {270, 448}, {361, 462}, {709, 472}, {807, 375}};
constexpr TStoryPoint kStands[10] = {{388, 645}, {256, 654}, {759, 672}, {88, 680},  {904, 708},
                                     {529, 718}, {817, 735}, {630, 737}, {351, 739}, {149, 720}};
}  // namespace

TIntro::TIntro() = default;

void TIntro::setup() {
  TStoryText::font = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 42);
  belki = LoadImg2(bDir + "gfx/story/panele.png", kAutoFlags);
}

void TIntro::loadStory() {
  texts = loadStoryTexts(bDir + "data/introTexts.dat", bDir + "txt/#LANG#/intro.txt");
  const std::string dir = bDir + "gfx/story/";
  for (int i = 0; i < 4; ++i) flag[i] = LoadImg2(dir + "flag" + std::to_string(i) + ".png", kFilteredMipmapped);
  scroll = LoadImg2(dir + "scroll.png", kAutoFlags);
  gobki = LoadImg2(dir + "gobs.png", kAutoFlags);
  for (int i = 0; i < 7; ++i) druids[i] = LoadImg2(dir + "druids/v" + std::to_string(i + 1) + ".png", kAutoFlags);
  druidsBack = LoadImg2(dir + "druidsBack.jpg", kAutoFlags);
  for (int i = 0; i < 5; ++i) image[i] = LoadImg2(dir + "story-" + std::to_string(i + 1) + ".jpg", kAutoFlags);
  light = LoadImg2(dir + "light.png", kAutoFlags);

  MidHandleImg(gobki);
  for (auto& f : flag) MidHandleImg(f);
  MidHandleImg(druidsBack);
  for (auto& i : image) MidHandleImg(i);
  MidHandleImg(light);
  for (auto& d : druids) SetImgHandle(d, 128, 364);

  for (int k = 0; k < 5; ++k) px[k] = kEmitters[k].x, py[k] = kEmitters[k].y;
  for (int k = 0; k < 10; ++k) druidDim[k] = kStands[k];

  listaDruidow.clear();
  int j = 0;
  for (int k = 0; k <= drawN; ++k) {
    for (int side = 0; side < 2; ++side, ++j) {
      auto d = std::make_shared<TDruid>();
      d->sc = 0.8f + 0.05f * k;
      d->dir = side == 0 ? -1 : 1;
      const TStoryPoint& at = druidDim[(2 * k + side) % druidDim.size()];
      d->x = static_cast<int>(at.x);
      d->y = static_cast<int>(at.y);
      d->image = druids[j % 7];
      d->crowd = this;
      listaDruidow.push_back(std::move(d));
    }
  }
  scale = 1;
}

void TIntro::prepare() {
  dFade = 0;
  fade = 1;
  loadStory();
  draw();
  actText = nullptr;
  oldText = nullptr;
  _prepareDelta();
  const int now = MilliSecs();
  nextPart = msAfter(now, kSceneMs[0]);
  lightTime = msAfter(now, 3000);
  flyScroll.fill(0);
  scale = scale2 = scale4 = scale5 = scale8 = scale9 = fsc = 1;
  scrollTime = 0;
  firstA2 = alphaS2 = nA = fourthA = fifthA = sixA = scrollA = 0;
  part = 0;
  tapA.fill(1);
  tapFlyP.fill(0);
  if (globalSnd) globalSnd->playMyMusic("intro");
  _prepareDelta();
}

std::string TIntro::mainloop() {
  prepare();
  runScreenLoop(
      *this, [this] { if (mouse && mouse->leftPressed) dFade = 1; },
      [this] { return fade == 1 && dFade == 1; });
  return kStateMainGame;
}

void TIntro::update() {
  _updateFade();
  _updateStory();
}

void TIntro::_updateStory() {
  startCaptions(fade);
  if (!actText) return;
  stepCaptions();
  switch (part) {
    case 0: _updateFirst(); break;
    case 1: _updateFirstA(); break;
    case 2: _updateSecond(); break;
    case 3: _updateSecondA(); break;
    case 4: _updateFourth(); break;
    case 5: _updateFifth(); break;
    case 6: _updateSix(); break;
    default: break;
  }
}

// The end of the current scene and what the next one starts with.
void TIntro::endCheck() {
  const int now = MilliSecs();
  if (!msPast(now, nextPart)) return;
  switch (part) {
    case 0:
    case 1:
      part += 1;
      nA = 0;
      lightTime = msAfter(now, 3000);
      lightA = dLightA = 0;
      break;
    case 4:
      part = 5;
      fifthA = 0;
      break;
    case 5:
      part = 6;
      ResetDruids();
      sixA = 0;
      for (int i = 0; i < 4; ++i) tapTime[i] = msAfter(now, 12000 + 5000 + 2000 * i);
      break;
    case 6:
      dFade = 1;
      return;
    default:
      part += 1;
      break;
  }
  nextPart = msAfter(now, kSceneMs[part]);
}

void TIntro::ResetDruids() {
  const int now = MilliSecs();
  int k = 0;
  for (auto& d : listaDruidow) d->time = msAfter(now, 1700 * k++);
  if (!listaDruidow.empty()) listaDruidow.back()->time = msAfter(listaDruidow.back()->time, -2000);
}

void TIntro::draw() {
  _drawBack();
  _drawTexts();
  _drawFade();
}

void TIntro::drawScene(int scene) {
  switch (scene) {
    case 0: _drawFirst(); break;
    case 1: _drawFirstA(); break;
    case 2: _drawSecond(); break;
    case 3: _drawSecondA(); break;
    case 4: _drawFourth(); break;
    case 5: _drawFifth(); break;
    case 6: _drawSix(); break;
    default: break;
  }
}

void TIntro::_drawBack() {
  ResetDrawState();
  drawScene(part);
  ResetDrawState();
  DrawImg(belki, -512, 0);
  DrawImg(belki, 512, 0);
}

void TIntro::pause() { pauseCaptions(); }

void TIntro::unpause() { unpauseCaptions(); }

}  // namespace sorvanta
