// The outro's frame: loading, the loop and the credits after it, the caption
// hook, pause and the scene timeline.
#include "story/outro.h"

#include "core/draw_state.h"
#include "core/globals.h"
#include "core/screen_loop.h"
#include "core/states.h"
#include "gui/img.h"
#include "gui/mouse.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "platform/video.h"
#include "screens/credits.h"
#include "sound/global_snd.h"

namespace sorvanta {

std::shared_ptr<TOutro> outro;

namespace {
constexpr int kAutoFlags = -1;
constexpr int kRays = 8;
}  // namespace

TOutro::TOutro() = default;

void TOutro::setup() { belki = LoadImg2(bDir + "gfx/story/panele.png", kAutoFlags); }

void TOutro::loadStory() {
  texts = loadStoryTexts(bDir + "data/outroTexts.dat", bDir + "txt/#LANG#/outro.txt");
  const std::string dir = bDir + "gfx/outro/";
  for (int i = 0; i < 4; ++i) {
    // The files are numbered by scene; scene 3 is druidBack.
    const int scene = i < 2 ? i + 1 : i + 2;
    image[i] = LoadImg2(dir + "outro-" + std::to_string(scene) + ".jpg", kAutoFlags);
  }
  druidBack = LoadImg2(dir + "outro-3.jpg", kAutoFlags);
  druid = LoadImg2(bDir + "gfx/story/druids/v1.png", kAutoFlags);
  SetImgHandle(druid, 128, 372);
  for (auto& i : image) MidHandleImg(i);
  MidHandleImg(druidBack);
  // Drawn once before the first frame clears, so the first frames that show
  // them do not wait for their upload.
  for (auto& i : image) DrawImg(i, 0, 0);
  ResetParams();
  for (int i = 0; i < 4; ++i) {
    flag[i] = LoadImg2(bDir + "gfx/story/flag" + std::to_string(i) + ".png", kAutoFlags);
    MidHandleImg(flag[i]);
  }
  scroll = LoadImg2(bDir + "gfx/story/scroll.png", kAutoFlags);
  stripe = LoadImg2(dir + "stripe.png", kAutoFlags);
  SetImgHandle(stripe, 49, 1);
  for (int i = 1; i <= kRays; ++i) {
    stripeRot[i - 1] = static_cast<int>(60 - 16.25 * i);
    stripeA[i - 1] = static_cast<float>(Rnd(0, 1));
    stripeDA[i - 1] = static_cast<float>(Rand(0, 1));
    stripeSpeed[i - 1] = static_cast<float>(Rnd(0.005, 0.01));
  }
}

void TOutro::ResetParams() {
  alpha1 = 1;
  alpha2 = alpha3 = alpha4 = alpha5 = 0;
  scale1 = scale2 = scale3 = scale4 = scale5 = 1;
  part = 1;
  nextTime = msAfter(MilliSecs(), kSceneMs[0]);
  thirdParticles = {};
  firstParticles = {};
}

std::string TOutro::mainloop() {
  dFade = 0;
  fade = 1;
  actText = nullptr;
  oldText = nullptr;
  loadStory();
  if (globalSnd) globalSnd->playMyMusic("outro");
  _prepareDelta();
  runScreenLoop(
      *this,
      [this] {
        if (mouse && mouse->leftPressed) dFade = 1;
      },
      [this] { return fade == 1 && dFade == 1; });
  // The ending stays beneath the credits, frozen at its black.
  if (credits) credits->mainLoop(weak_from_this().lock());
  return kStateMainMenu;
}

void TOutro::update() {
  _updateFade();
  _updateStory();
  _updateParts();
}

void TOutro::_updateStory() {
  startCaptions(fade);
  stepCaptions();
}

void TOutro::_updateParts() {
  switch (part) {
    case 1:
      _update_First();
      break;
    case 2:
      _update_Second();
      break;
    case 3:
      _update_Third();
      break;
    case 4:
      _update_Fourth();
      break;
    case 5:
      _update_Five();
      break;
    default:
      break;
  }
}

bool TOutro::sceneOver() { return msPast(MilliSecs(), nextTime); }

void TOutro::start_third() {
  const int now = MilliSecs();
  nextTime = msAfter(now, kSceneMs[2]);
  tapA.fill(0);
  for (int i = 0; i < 4; ++i) tapTime[i] = msAfter(now, 2000 * (i + 1));
}

void TOutro::draw() {
  _drawBack();
  _drawPart();
  _drawTexts();
  _drawFade();
}

void TOutro::_drawBack() {
  ResetDrawState();
}

void TOutro::_drawPart() {
  switch (part) {
    case 1:
      _draw_First();
      break;
    case 2:
      _draw_Second();
      break;
    case 3:
      _draw_Third();
      break;
    case 4:
      _draw_fourth();
      break;
    case 5:
      _draw_five();
      break;
    default:
      break;
  }
  _drawBack();
  DrawImg(belki, 0, 0);
}

void TOutro::AddObject(const std::shared_ptr<TImg>& img, float x, float y, float a, float s) {
  auto o = std::make_shared<TBO>();
  o->img = img;
  o->x = x, o->y = y, o->a = a, o->s = s;
  buffer.push_back(std::move(o));
}

void TOutro::pause() { pauseCaptions(); }

void TOutro::unpause() { unpauseCaptions(); }

}  // namespace sorvanta
