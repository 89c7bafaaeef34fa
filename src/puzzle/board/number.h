#pragma once
// Picross clue numbers: one clue per run of picture cells in a row or a
// column, its satisfaction and fade, and the measured clue margins.
#include <array>
#include <list>
#include <memory>

namespace sorvanta {

class TATile;
class TImageFont;
class TLevel;

class TNumber {
 public:
  virtual ~TNumber() = default;

  std::weak_ptr<TLevel> level;
  int v = 0;
  std::list<std::shared_ptr<TATile>> tiles;  // the run's cells; empty for a 0 clue
  float a = 1.0f;   // visibility
  float dA = 1.0f;  // 0 once satisfied
  int size = 0;
  int myCol = -1;  // the column of a column's 0 clue
  int myRow = -1;  // the row of a row's 0 clue
  std::shared_ptr<TATile> myLim1;  // the empty cell before the run
  std::shared_ptr<TATile> myLim2;  // the empty cell after the run

  static std::array<std::shared_ptr<TImageFont>, 10> font;  // by cell size
  // The clue face (the narrow numbers face) and its pixel size by cell
  // size.
  static constexpr const char* kFontFile = "font2.ttf";
  static constexpr std::array<int, 5> kFontSizes = {32, 28, 24, 16, 14};
  // Fills font[0..4] from the resource folder.
  static void loadFonts();

  // The clue centred on (x, y): a black shadow and a yellow face, both
  // fading with the board's empty layer; a satisfied clue ends as a faint
  // face. draw keeps the blend in force, drawCross (the hovered cell's row
  // and column) sets alpha blending and draws the face red.
  virtual int draw(float x, float y);
  virtual int drawCross(float x, float y);
  // Satisfaction test and fade step; 1 once faded out.
  virtual int update();
  virtual int hide();

 private:
  // The clue's rule: its run and bounds acted on, or its line cleared.
  bool met() const;
  int drawFace(float x, float y, int red, int green, int blue);
};

// A row's clues, the rightmost run first.
class TNumberRow {
 public:
  virtual ~TNumberRow() = default;
  std::list<std::shared_ptr<TNumber>> list;
  int w = 0;  // spacing: the cell width when built

  // Every clue leftward of (x, y), the centre of the row's first cell.
  virtual int drawCross(int x, int y);
  virtual int draw(int x, int y);
  virtual int update();
  virtual float CountWidth(int size) const;
  // Where the i-th clue (from 1, nearest the board first) is centred.
  float clueX(int i, int x) const;
};

// A column's clues, the bottom run first.
class TNumberCol {
 public:
  virtual ~TNumberCol() = default;
  std::list<std::shared_ptr<TNumber>> list;
  int h = 0;  // spacing: the cell height when built

  // Every clue upward of (x, y), the centre of the column's top cell.
  virtual int drawCross(int x, int y);
  virtual int draw(int x, int y);
  virtual int update();
  virtual float CountHeight(int size) const;
  // Where the i-th clue (from 1, nearest the board first) is centred.
  float clueY(int i, int y) const;
};

std::shared_ptr<TNumberRow> CreateNumberRow(const std::shared_ptr<TLevel>& level, int r, int size);
std::shared_ptr<TNumberCol> CreateNumberCol(const std::shared_ptr<TLevel>& level, int c, int size);
// The loading hook of the clue numbers; nothing to load.
void SetupNumbers();

}  // namespace sorvanta
