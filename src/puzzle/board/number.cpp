// Picross clue numbers: building, satisfaction, fade and margins.
#include "puzzle/board/number.h"

#include <vector>

#include "core/ekran.h"
#include "core/globals.h"
#include "gui/my_font.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/strings.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/level.h"
#include "puzzle/board/picross_board.h"

namespace sorvanta {

std::array<std::shared_ptr<TImageFont>, 10> TNumber::font;

void TNumber::loadFonts() {
  for (int s = 0; s < 5; ++s) font[s] = myLoadImageFont(bDir + "gfx/fonts/" + kFontFile, kFontSizes[s]);
}

namespace {

std::shared_ptr<TNumber> makeClue(const std::shared_ptr<TLevel>& level, int size,
                                  std::list<std::shared_ptr<TATile>> run, std::shared_ptr<TATile> before,
                                  std::shared_ptr<TATile> after) {
  auto clue = std::make_shared<TNumber>();
  clue->level = level;
  clue->size = size;
  clue->tiles = std::move(run);
  clue->myLim1 = std::move(before);
  clue->myLim2 = std::move(after);
  return clue;
}

// The clues of one line of n cells, each run inserted at the front; the
// empty cells bounding a run are its bounds.
template <class CellAt>
std::list<std::shared_ptr<TNumber>> lineClues(const std::shared_ptr<TLevel>& level, int size, int n, CellAt cellAt) {
  std::vector<std::shared_ptr<TATile>> cells;
  PicrossLine line;
  for (int k = 0; k < n; ++k)
    if (std::shared_ptr<TATile> cell = cellAt(k)) {
      cells.push_back(cell);
      line.push_back(PicrossCellOf(cell.get()));
    }
  std::list<std::shared_ptr<TNumber>> clues;
  for (const PicrossRun& run : PicrossRuns(line)) {
    const int end = run.start + run.length;
    std::list<std::shared_ptr<TATile>> tiles(cells.begin() + run.start, cells.begin() + end);
    clues.push_front(makeClue(level, size, std::move(tiles), run.start > 0 ? cells[run.start - 1] : nullptr,
                              end < static_cast<int>(cells.size()) ? cells[end] : nullptr));
  }
  return clues;
}

void selectFont(int size) {
  if (size >= 0 && size < static_cast<int>(TNumber::font.size())) SetImageFont(TNumber::font[size]);
}

int emptyWidth(int size) { return size >= 0 && size < 10 ? ImageWidth(TATile::empty[size]) : 0; }
int emptyHeight(int size) { return size >= 0 && size < 10 ? ImageHeight(TATile::empty[size]) : 0; }

}  // namespace

bool TNumber::met() const {
  if (tiles.empty()) {
    auto lv = level.lock();
    if (myCol >= 0) return lv && lv->colClear(myCol);
    return myRow < 0 || (lv && lv->rowClear(myRow));
  }
  // The run between its bounds: the line as far as this clue reaches.
  PicrossLine line;
  if (myLim1) line.push_back(PicrossCellOf(myLim1.get()));
  for (const auto& cell : tiles) line.push_back(PicrossCellOf(cell.get()));
  if (myLim2) line.push_back(PicrossCellOf(myLim2.get()));
  return PicrossClueMet(line, {myLim1 ? 1 : 0, static_cast<int>(tiles.size())});
}

int TNumber::update() {
  if (met()) hide();
  rampToward(a, dA, 0.05f);
  return a == 0.0f ? 1 : 0;
}

int TNumber::hide() {
  dA = 0;
  return 0;
}

int TNumberRow::update() {
  for (const auto& clue : list) clue->update();
  return 0;
}

float TNumberRow::CountWidth(int size) const {
  selectFont(size);
  return 15.0f + static_cast<float>(list.size()) * emptyWidth(size);
}

int TNumberCol::update() {
  for (const auto& clue : list) clue->update();
  return 0;
}

float TNumberCol::CountHeight(int size) const {
  selectFont(size);
  return 15.0f + static_cast<float>(list.size()) * emptyHeight(size) * 0.7f;
}

std::shared_ptr<TNumberRow> CreateNumberRow(const std::shared_ptr<TLevel>& level, int r, int size) {
  auto row = std::make_shared<TNumberRow>();
  row->w = FloatToInt(level->tileW);
  row->list = lineClues(level, size, level->atiles.cols(), [&](int c) { return level->atiles.get(r, c); });
  if (row->list.empty()) {
    auto zero = makeClue(level, size, {}, nullptr, nullptr);
    zero->myRow = r;
    row->list.push_back(zero);
  }
  return row;
}

std::shared_ptr<TNumberCol> CreateNumberCol(const std::shared_ptr<TLevel>& level, int c, int size) {
  auto col = std::make_shared<TNumberCol>();
  col->h = FloatToInt(level->tileH);
  col->list = lineClues(level, size, level->atiles.rows(), [&](int r) { return level->atiles.get(r, c); });
  if (col->list.empty()) {
    auto zero = makeClue(level, size, {}, nullptr, nullptr);
    zero->myCol = c;
    col->list.push_back(zero);
  }
  return col;
}

void SetupNumbers() {}

int TLevel::COUNT_Numbers() {
  const std::shared_ptr<TLevel> self = shared_from_this();
  numberRows.clear();
  numberCols.clear();
  for (int r = 0; r < atiles.rows(); ++r) numberRows.push_back(CreateNumberRow(self, r, size));
  for (int c = 0; c < atiles.cols(); ++c) numberCols.push_back(CreateNumberCol(self, c, size));
  return 0;
}

int TLevel::COUNT_NumbersWidth() {
  int widest = 0;
  for (const auto& row : numberRows) {
    const float w = row->CountWidth(size);
    if (w > widest) widest = FloatToInt(w);
  }
  numWidth = static_cast<float>(widest);
  return widest;
}

int TLevel::COUNT_NumbersHeight() {
  float tallest = 0.0f;
  for (const auto& col : numberCols) {
    const float h = col->CountHeight(size);
    if (h > tallest) tallest = h;
  }
  numHeight = tallest;
  return FloatToInt(tallest);
}

}  // namespace sorvanta
