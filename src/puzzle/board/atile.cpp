// Picross cell: requests, outcomes, animation, tutorial task, cell string.
#include "puzzle/board/atile.h"

#include <cstdint>

#include "core/ekran.h"
#include "core/globals.h"
#include "effects/particle_factories.h"
#include "gui/mouse.h"
#include "platform/clock.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/random.h"
#include "platform/strings.h"
#include "platform/trig.h"
#include "puzzle/board/board_links.h"
#include "puzzle/board/flying_hints.h"
#include "puzzle/board/flying_rock.h"
#include "puzzle/board/level.h"
#include "puzzle/board/tile_data.h"
#include "sound/global_snd.h"

namespace sorvanta {

std::array<std::shared_ptr<TImage>, 10> TATile::xImg;
std::array<std::shared_ptr<TImage>, 10> TATile::empty;
std::array<std::shared_ptr<TImageFont>, 10> TATile::font;
std::array<std::shared_ptr<TImageFont>, 10> TATile::font2;
float TATile::lightAnim = 0;
float TATile::dLightAnim = 0;
float TATile::pomXX = 0;
float TATile::pomYy = 0;

namespace {

void play(const char* name) {
  if (globalSnd) globalSnd->playMySound(name);
}

// Right actions score on the level being played.
void addScore(int n) {
  if (auto level = PlayedLevel()) level->AddScore(n);
}

std::shared_ptr<TImage> slot(const std::array<std::shared_ptr<TImage>, 10>& images, int size) {
  return size >= 0 && size < static_cast<int>(images.size()) ? images[size] : nullptr;
}

bool overRect(float x, float y, const std::shared_ptr<TImage>& image) {
  if (!mouse) return false;
  const int w = ImageWidth(image), h = ImageHeight(image);
  return mouse->inRect(x - w / 2, y - h / 2, w, h) != 0;
}

}  // namespace

void TATile::updateTileAnim() {
  rampToward(lightAnim, dLightAnim, 0.05f);
  if (lightAnim == dLightAnim) dLightAnim = dLightAnim == 0 ? 1.0f : 0.0f;
}

int TATile::isDone() const { return odkryte != 0 || zepsute != 0 ? 1 : 0; }

int TATile::lightMeUp() {
  dLightUpA = 1;
  return 0;
}

int TATile::lightMeDown() {
  dLightUpA = 0;
  return 0;
}

int TATile::_updateHintParticles() {
  const int now = MilliSecs();
  if (!msPast(now, hinttime, 50)) return 0;
  hinttime = msAfter(now, 50);
  const int w = ImageWidth(slot(xImg, size)), h = ImageHeight(slot(xImg, size));
  const int dx = Rand(0, w);
  const int dy = Rand(0, h);
  createHintParticle(static_cast<float>(x - w / 2 + dx), static_cast<float>(y - h / 2 + dy));
  return 0;
}

int TATile::_updateOver() { return overRect(static_cast<float>(x), static_cast<float>(y), slot(xImg, size)) ? 1 : 0; }

int TATile::Finish() {
  drawScale = 1.0f;
  return 0;
}

int TATile::_update_STATE_SHOW() {
  if (msSince(MilliSecs(), time) >= 0) {
    ShowMeNow();
    state = 0;
  }
  return 0;
}

int TATile::_update_STATE_BRAKE() {
  if (msSince(MilliSecs(), time) >= 0) {
    BrakeMeNow();
    state = 0;
  }
  return 0;
}

int TATile::_updateState() {
  if (state == 1) _update_STATE_SHOW();
  else if (state == 2) _update_STATE_BRAKE();
  return 0;
}

int TATile::_updatePer() {
  if (per == 1.0f) return 0;
  per += 0.05f * delta;
  if (per > 1.0f) per = 1.0f;
  drawScale = static_cast<float>(1.0 + 0.3 * Sin(180.0 * per));
  drawAlpha = static_cast<float>(Sin(90.0 * per));
  return 0;
}

int TATile::_updateAlpha() {
  rampToward(drawAlpha, dDrawAlpha, 0.05f);
  return 0;
}

int TATile::_updateTutorial_light() {
  rampToward(lightUPa, dLightUpA, 0.05f);
  return 0;
}

int TATile::_updateTutorial_zadanie() {
  if ((zadanie == "UNCOVER" && odkryte == 1) || (zadanie == "BROKE" && (odkryte == 1 || zepsute == 1)))
    tutorialEndZadanie();
  return 0;
}

int TATile::updateTutorial() {
  _updateTutorial_light();
  _updateTutorial_zadanie();
  return 0;
}

int TATile::update() {
  if (_flyingTile) return 0;
  _updateAlpha();
  _updateState();
  _updatePer();
  updateTutorial();
  return _updateOver();
}

int TATile::tutorialEndZadanie() {
  if (poZadaniu == "LIGHT-DOWN") dLightUpA = 0;
  zadanie.clear();
  return 0;
}

std::string TATile::getMyString() const {
  return std::to_string(td ? td->id : 0) + (odkryte != 0 ? "|1" : "|0") + (zepsute != 0 ? "|1" : "|0");
}

int TATile::request(int newState, const char* refusingTask, int delay) {
  if (odkryte == 1 || state != 0 || zadanie == refusingTask || turnOff == 1) return 0;
  state = newState;
  time = msAfter(MilliSecs(), delay);
  return 0;
}

int TATile::ShowMe(int delay) { return request(1, "BROKE", delay); }

int TATile::BrakeMe(int delay) { return request(2, "UNCOVER", delay); }

int TATile::ShowMeNow() {
  odkryte = 1;
  per = 0;
  if (td) {
    play("good");
    addScore(10);
    if (_dontGiveAddHint != 1) createNewAddHint(static_cast<float>(x), static_cast<float>(y));
  } else {
    zepsute = 1;
    CreateMistake(static_cast<float>(x), static_cast<float>(y), size);
    play("wrong");
  }
  return 0;
}

int TATile::BrakeMeNow() {
  odkryte = 1;
  per = 0;
  if (!td) {
    play("good");
    addScore(10);
  } else {
    zepsute = 1;
    CreateMistake(static_cast<float>(x), static_cast<float>(y), size);
    play("wrong");
  }
  return 0;
}

int TATile::Resolve() {
  if (td) ShowMe(0);
  else BrakeMe(0);
  _dontGiveAddHint = 1;
  return 0;
}

int TATile::CountPomDims() {
  const int w = ImageWidth(slot(empty, size)), h = ImageHeight(slot(empty, size));
  pomX1 = static_cast<float>(x - w / 2);
  pomY1 = static_cast<float>(y - h / 2);
  pomX2 = pomX1 + w / 2;
  pomY2 = pomY1 + h / 2;
  return 0;
}

int TATile::setZadanie(const std::string& task, const std::string& after) {
  zadanie = Upper(task);
  poZadaniu = Upper(after);
  return 0;
}

int TATile::EDITOR_Over() { return overRect(static_cast<float>(x), static_cast<float>(y), slot(empty, size)) ? 1 : 0; }

}  // namespace sorvanta
