// The play screen's singleton, its one-time set-up and the hand-over of a
// level.
#include "puzzle/play/main_game.h"

#include "core/globals.h"
#include "core/states.h"
#include "formats/txt_file.h"
#include "gui/gui.h"
#include "gui/img.h"
#include "gui/my_font.h"
#include "gui/wrapped_text.h"
#include "platform/font.h"
#include "platform/image.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/color.h"
#include "puzzle/board/hint.h"
#include "puzzle/board/level.h"
#include "puzzle/board/number.h"
#include "puzzle/board/tile.h"

namespace sorvanta {

std::shared_ptr<TMainGame> mainGame;

namespace {

std::shared_ptr<TImg> gameImg(const std::string& name) { return LoadImg2(bDir + "gfx/gui/game/" + name, -1); }

std::shared_ptr<TImg> centred(std::shared_ptr<TImg> img) {
  MidHandleImg(img);
  return img;
}

// Cell-size fonts: one face, five pixel sizes by cell size 0..4.
void loadSizedFonts(std::array<std::shared_ptr<TImageFont>, 10>& fonts, const std::string& file,
                    const std::array<int, 5>& sizes) {
  for (int s = 0; s < 5; ++s) fonts[s] = myLoadImageFont(bDir + "gfx/fonts/" + file, sizes[s]);
}

constexpr int kHelpTextCentreY = 718;

}  // namespace

TMainGame::TMainGame() { id = kStateMainGame; }

void TMainGame::setup() {
  _setupGUI();
  _setupFrame();
  _setupGameGFX();
  _setupTexts();
}

int TMainGame::_setupGUI() {
  panel = gameImg("panel.png");
  colorImg = gameImg(lang + "/colors.png");
  frameImg = gameImg("tileFrame.png");
  tick = gameImg("tick.png");
  hintImg = gameImg(lang + "/hints.png");
  mistakesImg = gameImg(lang + "/mistakes.png");
  pomButton[0] = gameImg("button0.png");
  pomButton[1] = gameImg("button1.png");
  pauseFont = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 72);
  mistakesFont = myLoadImageFont(bDir + "gfx/fonts/font2.ttf", 26);
  hintFont2 = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 26);
  MidHandleImg(frameImg);
  MidHandleImg(tick);
  gui = LoadGui(bDir + "gfx/gui/game/" + lang + "/mainGame.gui");
  TNumber::loadFonts();
  loadSizedFonts(TATile::font, "font.ttf", {38, 32, 28, 24, 18});
  loadSizedFonts(TATile::font2, "font2.ttf", {32, 28, 24, 18, 14});
  // The banner's face is read from the asset itself; without it, the
  // cache's face stands in.
  hintFont = LoadImageFont(bDir + "gfx/fonts/font.ttf", 48, SMOOTHFONT);
  if (!hintFont) hintFont = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 48);
  reka[0] = centred(gameImg("reka-normal.png"));
  reka[1] = centred(gameImg("reka-over.png"));
  hak[0] = centred(gameImg("hak-normal.png"));
  hak[1] = centred(gameImg("hak-over.png"));
  toolFrame = centred(gameImg("frame.png"));
  static const char* const kWindow[9] = {"lg", "g", "pg", "l", "s", "p", "ld", "d", "pd"};
  for (int i = 0; i < 9; ++i) aFrame[i] = gameImg(std::string("frame/okno_") + kWindow[i] + ".png");
  SetImgHandle(aFrame[0], 21, 20);
  SetImgHandle(aFrame[1], 0, 20);
  SetImgHandle(aFrame[2], 0, 20);
  SetImgHandle(aFrame[3], 21, 0);
  SetImgHandle(aFrame[6], 21, 0);
  return 0;
}

int TMainGame::_setupFrame() {
  struct Piece {
    const char* file;
    int hx, hy;
  };
  static const Piece kPieces[12] = {
      {"frame_LU.png", 29, 29}, {"frame_U.png", 0, 7},   {"frame_RU.png", 53, 29},
      {"frame_L.png", 7, 0},    {"frame_R.png", 0, 0},   {"frame_LD.png", 29, 53},
      {"frame_D.png", 0, 0},    {"frame_RD.png", 53, 53}, {"frame_ornament_u.png", 29, 25},
      {"frame_ornament_l.png", 25, 29}, {"frame_ornament_r.png", 0, 29}, {"frame_ornament_d.png", 29, 0},
  };
  for (int i = 0; i < 12; ++i) {
    levelFrame[i] = gameImg(kPieces[i].file);
    SetImgHandle(levelFrame[i], kPieces[i].hx, kPieces[i].hy);
  }
  return 0;
}

int TMainGame::_setupGameGFX() {
  checkedImg = gameImg("checked.png");
  SetImgHandle(checkedImg, 0, 2);
  for (int i = 0; i < 2; ++i) {
    THint::img[i] = LoadImage(bDir + "gfx/gui/game/hint_" + std::to_string(i) + ".png");
    if (THint::img[i]) MidHandleImage(THint::img[i]);
  }
  return 0;
}

int TMainGame::_setupTexts() {
  auto texts = loadTxtFile(bDir + "txt/#LANG#/mainGame.txt");
  txtHintInfo = readTxtData(texts, 1);
  txtPause = readTxtData(texts, 2);
  txtSpecHint = readTxtData(texts, 3);
  txtShowBadTiles = readTxtData(texts, 4);
  // Measured once: the help text is centred on its line.
  SetImageFont(hintFont2);
  const int h = drawSpecText(txtSpecHint, 100, 0, 700, "CENTER", 0, hintFont2, 1);
  startPomHintY = kHelpTextCentreY - h / 2;
  return 0;
}

int TMainGame::setLevel(const std::shared_ptr<TLevel>& newLevel) {
  level = newLevel;
  if (level) level->loadMyBackground();
  return 0;
}

int TMainGame::levelFinished() const { return state == kPlayWin ? 1 : 0; }

int TMainGame::pickColor(int n) {
  if (!level) return 0;
  int k = 1;
  for (const auto& c : level->availableColors) {
    if (k == n) return pickColor2(c);
    ++k;
  }
  return 0;
}

int TMainGame::pickColor2(const std::shared_ptr<TColor>& c) {
  if (!c) return 0;
  if (pickedColor && pickedColor->id == kCrossColorId && c->id == kCrossColorId) return 0;
  if (c->id == kCrossColorId) {
    if (!lastColor || lastColor->id != kCrossColorId) lastColor = pickedColor;
  } else {
    xColor = c;
  }
  pickedColor = c;
  return 0;
}

int TMainGame::is6Done() {
  if (!level || level->tile.rows() < 3 || level->tile.cols() < 2) return 0;
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 2; ++c) {
      auto cell = level->tile.get(r, c);
      if (!cell || !cell->isDone()) return 0;
    }
  return 1;
}

int TMainGame::is9Done() {
  if (!level || level->tile.rows() < 3 || level->tile.cols() < 3) return 0;
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) {
      auto cell = level->tile.get(r, c);
      if (!cell || !cell->isDone()) return 0;
    }
  return 1;
}

}  // namespace sorvanta
