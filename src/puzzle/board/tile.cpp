// Fill cell: strokes, hint resolution, per-frame values and cell string.
#include "puzzle/board/tile.h"

#include <algorithm>

#include "core/ekran.h"
#include "core/globals.h"
#include "effects/particle_factories.h"
#include "formats/text_utils.h"
#include "gui/img.h"
#include "gui/mouse.h"
#include "platform/clock.h"
#include "platform/input.h"
#include "platform/random.h"
#include "platform/strings.h"
#include "puzzle/board/board_links.h"
#include "puzzle/board/color.h"
#include "puzzle/board/level.h"
#include "puzzle/board/player_link.h"
#include "puzzle/fill/fill_rules.h"
#include "sound/global_snd.h"

namespace sorvanta {

std::array<std::shared_ptr<TImg>, 10> TTile::empty;
float TTile::eAlpha = 1.0f;
float TTile::dEAlpha = 1.0f;

namespace {

void playGood() {
  if (globalSnd) globalSnd->playMySound("good");
}

// The play screen's last colour: the one cross strokes work on.
std::shared_ptr<TColor> lastColor() { return PlayLastColor(); }

bool contains(const std::list<std::shared_ptr<TColor>>& list, const std::shared_ptr<TColor>& color) {
  return std::find(list.begin(), list.end(), color) != list.end();
}

void removeFirst(std::list<std::shared_ptr<TColor>>& list, const std::shared_ptr<TColor>& color) {
  auto it = std::find(list.begin(), list.end(), color);
  if (it != list.end()) list.erase(it);
}

std::shared_ptr<TImg> emptyImage(int size) {
  return size >= 0 && size < static_cast<int>(TTile::empty.size()) ? TTile::empty[size] : nullptr;
}

std::string idOrNothing(const std::shared_ptr<TColor>& color) { return color ? color->getMyString() : ""; }

}  // namespace

void TTile::recount() const {
  if (auto level = _level.lock()) level->COUNT_UserPutColorNumber();
}

int TTile::putColorByUser_NORMAL2(const std::shared_ptr<TColor>& c, int action) {
  if (holded != 0 || !c) return 0;
  playGood();
  if (c->id == kCrossColorId) {
    const std::shared_ptr<TColor> last = lastColor();
    if (!last) return 0;  // no colour to cross yet
    if (putColor && putColor == last) putColor = nullptr;
    if (action == 0) {
      removeFirst(xList, last);
    } else if (!contains(xList, last)) {
      xList.push_back(last);
    }
    return 0;
  }
  if (!putColor) {
    if (action != 0) {
      removeFirst(xList, c);
      putColor = c;
    }
    recount();
  } else if (putColor == c) {
    if (action == 0) putColor = nullptr;
    recount();
  }
  // Painted in another colour: a painted cell is never repainted.
  return 0;
}

int TTile::putXByUser_RIGHTHOLDED(int) {
  if (holded != 0) return 0;
  playGood();
  const std::shared_ptr<TColor> last = lastColor();
  if (!last) return 0;
  if (putColor && putColor == last) putColor = nullptr;
  if (contains(xList, last)) {
    removeFirst(xList, last);
  } else {
    xList.push_back(last);
  }
  return 0;
}

int TTile::putColorByUser2(const std::shared_ptr<TColor>& c, int action) {
  if (holded == 0 && PlayerGameType() == "NORMAL") putColorByUser_NORMAL2(c, action);
  return 0;
}

std::list<std::shared_ptr<TColor>> TTile::createXList(const std::vector<std::string>& ids) const {
  std::list<std::shared_ptr<TColor>> list;
  for (const std::string& piece : ids) {
    const int id = TextToInt(piece);
    if (id == 0) continue;
    if (auto color = getColorById(id)) list.push_back(color);
  }
  return list;
}

int TTile::putDataFromString(const std::string& s1, const std::string& s2, const std::string& s3,
                             const std::string& s4, const std::string& s5) {
  const std::vector<std::string> numbers = rozbijTekst(s1, " ", "", "");
  const auto numberAt = [&](size_t i) { return i < numbers.size() ? TextToInt(numbers[i]) : 0; };
  count = numberAt(0);
  showCount = numberAt(1);
  isResolved = numberAt(2);
  const auto readColor = [](const std::string& field, std::shared_ptr<TColor>& into) {
    const std::vector<std::string> pieces = rozbijTekst(field, " ", "", "");
    if (!pieces.empty()) into = createColorFromStringTab(pieces);
  };
  readColor(s2, number);
  readColor(s3, color);
  readColor(s4, putColor);
  const std::vector<std::string> crosses = rozbijTekst(s5, " ", "", "");
  if (!crosses.empty()) xList = createXList(crosses);
  return 0;
}

std::string TTile::getMyXListString() const {
  std::string text;
  for (const auto& color : xList) {
    if (!text.empty()) text += " ";
    text += idOrNothing(color);
  }
  return text;
}

std::string TTile::getMyString() const {
  return std::to_string(count) + " " + std::to_string(showCount) + " " + std::to_string(isResolved) + "|" +
         idOrNothing(number) + "|" + idOrNothing(color) + "|" + idOrNothing(putColor) + "|" + getMyXListString();
}

int TTile::_updateHintParticles() {
  const int now = MilliSecs();
  if (!msPast(now, hinttime, 50)) return 0;
  hinttime = msAfter(now, 50);
  const float w = ImgWidth(emptyImage(size));
  const float h = ImgHeight(emptyImage(size));
  const int dy = Rand(0, FloatToInt(h));
  const int dx = Rand(0, FloatToInt(w));
  createHintParticle(x - w / 2 + dx, y - h / 2 + dy);
  return 0;
}

int TTile::_updateAlpha() {
  rampToward(alpha, dAlpha, 0.05f);
  return 0;
}

int TTile::_updateShowMeAlpha() {
  if (dShowMeAlpha == 1.0f) dShowMeAlpha = 1.5f;
  if (showMeAlpha < dShowMeAlpha) {
    showMeAlpha += 0.01f * delta;
    if (showMeAlpha > dShowMeAlpha) {
      showMeAlpha = dShowMeAlpha;
      dShowMeAlpha = 0;
    }
  } else if (showMeAlpha > dShowMeAlpha) {
    showMeAlpha = std::max(dShowMeAlpha, showMeAlpha - 0.01f * delta);
  }
  return 0;
}

int TTile::update() {
  _updateShowMeAlpha();
  if (isZero != 0 || !mouse) return 0;
  auto level = _level.lock();
  const float s = level ? level->scale : 0.0f;
  const float w = ImgWidth(emptyImage(size)) * s;
  const float h = ImgHeight(emptyImage(size)) * s;
  return mouse->inRect(x - w / 2, y - h / 2, w, h);
}

int TTile::Resolve() {
  if (!color) {
    if (auto level = _level.lock()) {
      for (const auto& entry : level->availableColors)
        if (entry && entry->id > kCrossColorId && !contains(xList, entry)) xList.push_back(entry);
    }
    putColor = nullptr;
    recount();
  } else if (color->id > kCrossColorId) {
    putColor = color;
    recount();
    if (mouse) mouse->clear();
    FlushMouse();
  }
  return 0;
}

int TTile::isDone() const { return FillClueMet(number ? number->id : kNoColour, count, userCount) ? 1 : 0; }

int TTile::GetMySizeWH() const { return FloatToInt(ImgWidth(emptyImage(size))); }

}  // namespace sorvanta
