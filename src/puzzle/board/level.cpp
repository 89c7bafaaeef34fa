// Level model: background, score, hint bookkeeping, row and column
// clearance, the Fill hint's block, the Fill layout and the alpha ramps.
#include "puzzle/board/level.h"

#include <algorithm>
#include <cstdint>

#include "core/ekran.h"
#include "core/globals.h"
#include "formats/text_utils.h"
#include "gui/img.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "platform/system.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/flying_hints.h"
#include "puzzle/board/hint.h"
#include "puzzle/board/picross_board.h"
#include "puzzle/board/ruleset.h"
#include "puzzle/board/tile.h"

namespace sorvanta {

float TLevel::frameStepX = 2.0f;
float TLevel::frameStepY = 2.0f;

std::shared_ptr<TAddFrame> CreateAdditionalFrame(int x, int y, int w, int h, float a, int spec) {
  auto frame = std::make_shared<TAddFrame>();
  frame->x = x;
  frame->y = y;
  frame->w = w;
  frame->h = h;
  frame->a = a;
  frame->spec = spec;
  return frame;
}

int TLevel::hasCells() const {
  if (tryb == kRulesetFill) return !tile.empty() ? 1 : 0;
  if (tryb == kRulesetPicross) return !atiles.empty() ? 1 : 0;
  return 0;
}

int TLevel::GetBackGroundNr() const {
  const std::vector<std::string> pieces = rozbijTekst(StripAll(backgroundUrl), "_", "", "");
  // A name without "_" names no background, so no track is chosen for it.
  if (pieces.size() < 2) {
    Print("MUSIC background = 0");
    return 0;
  }
  if (pieces[1] == "A") {
    Print("MUSIC background = A");
    return 10;
  }
  const int n = TextToInt(Trim(pieces[1]));
  Print("MUSIC background = " + std::to_string(n));
  return n;
}

int TLevel::loadMyBackground() {
  if (!backgroundImg) backgroundImg = LoadImg2(bDir + backgroundUrl, -1);
  return 0;
}

int TLevel::AddScore(int n) {
  // A score read from a damaged file may sit at the limit already.
  score = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{score} + n, INT32_MIN, INT32_MAX));
  return 0;
}

int TLevel::AddHintPower() {
  if (auto hint = getMinUnlodedHint()) hint->loadMeUp();
  return 0;
}

std::shared_ptr<THint> TLevel::getMinUnlodedHint() const {
  std::shared_ptr<THint> best;
  for (const auto& hint : hints) {
    if (!hint || hint->t == 0) continue;
    if (!best || hint->dMyLoad > best->dMyLoad) best = hint;
  }
  return best;
}

std::shared_ptr<THint> TLevel::getUnloadedHint() const {
  std::shared_ptr<THint> best;
  for (const auto& hint : hints) {
    if (!hint || hint->t == 0) continue;
    float expected = hint->dMyLoad;
    for (const auto& orb : flyingAddHints)
      if (orb && orb->myHint == hint) expected += 0.25f;
    if (expected >= 1.0f) continue;
    if (!best || hint->dMyLoad > best->dMyLoad) best = hint;
  }
  if (best && best->dMyLoad >= 1.0f) return nullptr;
  return best;
}

std::list<std::shared_ptr<THint>> TLevel::initHints(int h1, int h2, int h3, int h4, int h5, int h6, int h7,
                                                    int h8, int h9) const {
  const int flags[9] = {h1, h2, h3, h4, h5, h6, h7, h8, h9};
  std::list<std::shared_ptr<THint>> list;
  for (int i = 1; i <= std::min(maxHintsCount, 9); ++i) {
    auto hint = std::make_shared<THint>();
    const int column = (i - 1) % 3, row = (i - 1) / 3;
    hint->x = static_cast<float>(828 + 56 * (column + 1));
    hint->y = static_cast<float>(470 + 50 * row);
    hint->t = flags[i - 1] == 0 ? 1 : 0;
    list.push_back(hint);
  }
  return list;
}

int TLevel::rowClear(int r) const {
  if (r < 0 || r >= atiles.rows()) return 0;
  return PicrossClueMet(PicrossRowOf(*this, r), {}) ? 1 : 0;
}

int TLevel::colClear(int c) const {
  if (c < 0 || c >= atiles.cols()) return 0;
  return PicrossClueMet(PicrossColOf(*this, c), {}) ? 1 : 0;
}

int TLevel::ResolveTrelmoTiles(int r, int c, int h, int w) {
  // Clipped to the grid up front, so no position outside is visited.
  const std::int64_t r0 = std::max<std::int64_t>(r, 0), c0 = std::max<std::int64_t>(c, 0);
  const std::int64_t r1 = std::min<std::int64_t>(std::int64_t{r} + h, tile.rows());
  const std::int64_t c1 = std::min<std::int64_t>(std::int64_t{c} + w, tile.cols());
  for (std::int64_t i = r0; i < r1; ++i)
    for (std::int64_t j = c0; j < c1; ++j)
      if (auto cell = tile.get(static_cast<int>(i), static_cast<int>(j))) cell->Resolve();
  return 0;
}

int TLevel::COUNT_Dims() {
  const std::shared_ptr<TImg> img = size >= 0 && size < 10 ? TTile::empty[size] : nullptr;
  tileW = ImgWidth(img);
  tileH = ImgHeight(img);
  width = cols * tileW;
  height = rows * tileH;
  if (tryb == kRulesetPicross) COUNT_Dims_Mesalor();
  return 0;
}

int TLevel::COUNT_Position() {
  if (tryb == kRulesetPicross) return COUNT_Position_Mesalor();
  drawX = centerX - x * scale / 2;
  if (cols % 2 == 0) drawX += tileW * 0.5f;
  drawY = centerY - y * scale / 2;
  for (int r = 0; r < tile.rows(); ++r) {
    for (int c = 0; c < tile.cols(); ++c) {
      auto cell = tile.get(r, c);
      if (!cell) continue;
      cell->x = drawX + c * tileW * scale;
      cell->y = drawY + r * tileH * scale;
      cell->size = size;
    }
  }
  return 0;
}

float TLevel::COUNT_Standard_Width() const {
  return cols * ImgWidth(size >= 0 && size < 10 ? TTile::empty[size] : nullptr);
}

float TLevel::COUNT_Standard_Height() const {
  return rows * ImgHeight(size >= 0 && size < 10 ? TTile::empty[size] : nullptr);
}

int TLevel::updateAlpha() {
  rampToward(TTile::eAlpha, TTile::dEAlpha, 0.05f);
  rampToward(emptyA, dEmptyA, 0.05f);
  return 0;
}

int TLevel::turnOffAll() {
  for (const auto& cell : atiles.all())
    if (cell) cell->turnOff = 1;
  return 0;
}

int TLevel::turnOnAll() {
  for (const auto& cell : atiles.all())
    if (cell) cell->turnOff = 0;
  return 0;
}

}  // namespace sorvanta
