// The more-games screen: its row of slots, the slides and rotation, the
// pointer on the current picture, drawing and the loop.
#include "screens/more_games.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/delta_time.h"
#include "core/design_size.h"
#include "core/dialogs.h"
#include "core/draw_state.h"
#include "core/ekran.h"
#include "core/globals.h"
#include "core/screen_loop.h"
#include "core/states.h"
#include "formats/bounded_count.h"
#include "formats/rcm_file.h"
#include "formats/txt_file.h"
#include "gui/gui.h"
#include "gui/img.h"
#include "gui/mouse.h"
#include "gui/my_font.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/strings.h"
#include "platform/system.h"
#include "platform/trig.h"
#include "platform/video.h"

namespace sorvanta {

std::shared_ptr<TMoreGames> moreGames;

namespace {
constexpr int kAutoFlags = -1;
// The pages shipped with the game, which an entry names by a plain file name.
const char* const kDocumentsFolder = "docs/";
constexpr float kSlideRate = 0.05f;
constexpr float kStepRight = 400 * 0.5f;  // each following slot this much further right
constexpr float kStepLeft = 400 * 1.5f;   // each preceding slot this much further left

std::shared_ptr<TImg> loadCentred(const std::string& path) {
  // A picture that is not there leaves a blank slot, not an error.
  auto img = LoadImgQuiet(path, kAutoFlags);
  MidHandleImg(img);
  return img;
}
}  // namespace

bool TMoreGames::holdsPicture(int slot) const {
  return slot >= 0 && slot < static_cast<int>(games.size()) && games[slot]->img;
}

void TMoreGames::setup() {
  back = loadCentred(bDir + "gfx/gui/more/back.jpg");
  auto data = loadRCMFile(bDir + "data/MORE_GAMES.dat");
  auto texts = loadTxtFile(bDir + "txt/#LANG#/more.txt");
  const int n = boundedCount(FloatToInt(data->getFloat("games::i", 0, 0)),
                             numberedGroupsPresent(data->getGroup({"games", "i"}), "game"), "games::i");
  ind = (2 * n + 4) / 2;
  games.assign(2 * n + 4, nullptr);
  for (auto& slot : games) slot = std::make_shared<TGameCom>();
  for (int k = 1; k <= n; ++k) {
    const std::string key = "games::game" + std::to_string(k) + "::";
    auto entry = std::make_shared<TGameCom>();
    entry->img = loadCentred(bDir + data->getString(key + "gfx", 0));
    // A picture that did not load leaves the slot blank: not drawn, not
    // clickable, and no slide moves past it.
    if (ImgWidth(entry->img) <= 0) entry->img = nullptr;
    entry->id = FloatToInt(data->getFloat(key + "id", 0, 0));
    entry->url = data->getString(key + "url", 0);
    // The title names the entry's line of the texts; without one, none shows.
    const int line = FloatToInt(data->getFloat(key + "title", 0, 0));
    if (line > 0) entry->title = readTxtData(texts, line);
    games[ind + k - 1] = entry;
  }
  gui = LoadGui(bDir + "gfx/gui/more/" + lang + "/more.gui");
  readImg[0] = loadCentred(bDir + "gfx/gui/more/read.png");
  readImg[1] = loadCentred(bDir + "gfx/gui/more/read2.png");
  titleFont = myLoadImageFont(bDir + "gfx/fonts/font.ttf", kTitleSize);
  txtNotOpened = readTxtData(texts, 4);
  notOpened.clear();
  createTabs();
}

void TMoreGames::createTabs() {
  const int last = static_cast<int>(games.size()) - 1;
  if (ind < 0 || ind > last) return;
  games[ind]->x = kCentreX, games[ind]->s = 1, games[ind]->a = 1;
  for (int i = ind + 1; i <= last; ++i) {
    games[i]->s = 0.8f * games[i - 1]->s;
    games[i]->x = kCentreX + kStepRight * (i - ind);
    games[i]->a = 1;
  }
  for (int i = ind - 1; i >= 0; --i) {
    games[i]->s = 1.2f * games[i + 1]->s;
    games[i]->a = 0;
    games[i]->x = kCentreX - kStepLeft * (ind - i);
  }
}

float TMoreGames::slide(int i, float TGameCom::*field) const {
  if (p == 0) return 0;
  const int neighbour = p > 0 ? i + 1 : i - 1;
  if (neighbour < 0 || neighbour >= static_cast<int>(games.size()) || i < 0 || i >= static_cast<int>(games.size()))
    return 0;
  const float t = static_cast<float>(Sin(std::fabs(p) * 90.0));
  return ((*games[neighbour]).*field - (*games[i]).*field) * t;
}

float TMoreGames::getS(int i) { return slide(i, &TGameCom::s); }
float TMoreGames::getA(int i) { return slide(i, &TGameCom::a); }
float TMoreGames::getAX(int i) { return slide(i, &TGameCom::x); }

void TMoreGames::_prev() {
  if (holdsPicture(ind + 1) && p == 0) dP = -1;
}

void TMoreGames::_next() {
  if (holdsPicture(ind - 1) && p == 0) dP = 1;
}

void TMoreGames::moveAllLeft() {
  if (games.empty()) return;
  std::rotate(games.begin(), games.begin() + 1, games.end());
  createTabs();
}

void TMoreGames::moveAllRight() {
  if (games.empty()) return;
  std::rotate(games.rbegin(), games.rbegin() + 1, games.rend());
  createTabs();
}

void TMoreGames::check() {
  if (p == -1) moveAllLeft();
  if (p == 1) moveAllRight();
  p = dP = 0;
}

void TMoreGames::_updateGames() {
  if (p != dP) {
    rampToward(p, dP, kSlideRate);
    if (p == dP) check();
  }
  over = nullptr;
  if (holdsPicture(ind)) {
    const TGameCom& centre = *games[ind];
    const float w = ImgWidth(centre.img), h = ImgHeight(centre.img);
    const float scale = centre.s + getS(ind);
    // The rectangle stays at the resting x while the picture slides.
    const auto left = static_cast<float>(static_cast<int>(centre.x - w * scale / 2));
    const auto top = static_cast<float>(static_cast<int>(_yy - h * scale / 2));
    const auto rw = static_cast<float>(static_cast<int>(w * scale));
    const auto rh = static_cast<float>(static_cast<int>(h * scale));
    if (mouse && mouse->inRect(left, top, rw, rh)) over = games[ind];
  }
  if (over && mouse && mouse->leftPressed) {
    std::string why;
    // A web address goes to the browser as it is; anything else must be one
    // of the game's own pages, shipped beside the assets.
    const bool opened = WebAddress(over->url).empty() ? OpenDocument(bDir + kDocumentsFolder, over->url, &why)
                                                      : OpenURL(over->url, &why);
    if (!opened) {
      Print("Could not open " + over->url + ": " + why);
      // The player is told which page: its title and its file or address
      // (the whole path went to the output above).
      notOpened = over->title.empty() ? over->url : over->title + " (" + over->url + ")";
    }
    FlushMouse();
    mouse->clear();
  }
}

void TMoreGames::_updateGui() {
  if (gui) gui->update();
}

void TMoreGames::update() {
  _updateGames();
  _updateGui();
  _updateFade();
}

void TMoreGames::_drawBack() {
  ResetDrawState();
  DrawImg(back, kDesignWidth / 2, kDesignHeight / 2);
}

void TMoreGames::_drawGames() {
  for (int i = static_cast<int>(games.size()) - 1; i >= 0; --i) {
    const TGameCom& g = *games[i];
    if (!g.img) continue;
    const float x = g.x + getAX(i), s = g.s + getS(i), a = g.a + getA(i);
    const float labelY = _yy + kLabelDrop * s;
    SetBlend(ALPHABLEND);
    SetScale(s, s);
    SetColor(0, 0, 0);
    SetAlpha(0.3f * a);
    DrawImg(g.img, x + 10 * s, _yy + 10 * s);
    SetColor(255, 255, 255);
    SetAlpha(a);
    DrawImg(g.img, x, static_cast<float>(_yy));
    DrawImg(readImg[0], x, labelY);
    _drawTitle(g, x, s, a);
    if (over && over == games[i]) {
      SetAlpha(0.1f * a);
      SetBlend(LIGHTBLEND);
      DrawImg(g.img, x, static_cast<float>(_yy));
      SetBlend(ALPHABLEND);
      SetAlpha(a);
      DrawImg(readImg[1], x, labelY);
    }
  }
  SetScale(1, 1);
  SetAlpha(1);
}

void TMoreGames::_drawTitle(const TGameCom& g, float x, float s, float a) {
  if (g.title.empty() || !titleFont) return;
  SetImageFont(titleFont);
  // Over the picture's top edge, as wide as the picture scales it.
  const float w = static_cast<float>(TextWidth(g.title)) * s;
  const float top = _yy - (ImgHeight(g.img) / 2.0f + kTitleRise) * s;
  SetScale(s, s);
  SetColor(0, 0, 0);
  SetAlpha(0.7f * a);
  DrawText(g.title, x - w / 2 + 2 * s, top + 2 * s);
  SetColor(kTitleR, kTitleG, kTitleB);
  SetAlpha(a);
  DrawText(g.title, x - w / 2, top);
  SetColor(255, 255, 255);
}

void TMoreGames::_drawGui() {
  if (gui) gui->draw();
}

void TMoreGames::draw() {
  _drawBack();
  _drawGames();
  _drawGui();
  _drawFade();
}

void TMoreGames::prepare() {
  setup();
  fade = 1;
  dFade = 0;
  for (int i = 0; i < 100; ++i) deltaUpdate();
}

std::string TMoreGames::mainLoop() {
  prepare();
  runScreenLoop(
      *this,
      [this] {
        if (!notOpened.empty()) {
          const std::string page = std::exchange(notOpened, std::string());
          tellPlayer(Replace(txtNotOpened, "#PAGE#", page), weak_from_this().lock());
        }
        if (KeyHit(KEY_ESCAPE)) dFade = 1;
        if (gui && gui->clickedItem("EXIT")) dFade = 1;
        if (KeyDown(KEY_LEFT) || (gui && gui->clickedItem("NEXT"))) _prev();
        if (KeyDown(KEY_RIGHT) || (gui && gui->clickedItem("PREV"))) _next();
      },
      [this] { return dFade == 1 && fade == 1; });
  return kStateMainMenu;
}

}  // namespace sorvanta
