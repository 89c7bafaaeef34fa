#pragma once
// The colour table of the Fill ruleset ("data/colors.dat"): colours with
// their painted-cell images, clue digit tints and the type-wide digit, dot
// and cross images. Colour id 1 is the cross entry (no colour), 7 is black.
#include <array>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "puzzle/fill/color_ids.h"

namespace sorvanta {

class TImg;
class TLevel;
class TTile;

class TColor {
 public:
  virtual ~TColor() = default;

  int id = 0;
  std::array<std::array<std::shared_ptr<TImg>, 5>, 2> img;  // [kind][size], handles centred
  int isResolved = 0;
  int rr = 0, gg = 0, bb = 0;           // tint of the clue digits and dots
  int showR = 0, showG = 0, showB = 0;  // flash colour

  static std::array<std::shared_ptr<TImg>, 5> xImg;           // cross, centred
  static std::array<std::shared_ptr<TImg>, 5> pointImg;       // satisfied dot, top-left handle
  static std::array<std::shared_ptr<TImg>, 5> pointImgBlack;  // the same under black
  static std::array<std::array<std::shared_ptr<TImg>, 5>, 10> numbers;       // [digit][size]
  static std::array<std::array<std::shared_ptr<TImg>, 5>, 10> numbersBlack;  // [digit][size]

  // The id in decimal, as the Fill cell strings hold it.
  virtual std::string getMyString() const;
  // 1 when this colour is complete on the level: the cross entry always;
  // otherwise every clue of this colour is satisfied and as many cells are
  // painted with it as the solution has.
  virtual int IsDone(const TLevel& level) const;
  // 1 when tile has a black clue and is painted black (the receiver plays
  // no part).
  virtual int ForceBlack(const std::shared_ptr<TTile>& tile) const;
  int ForceBlack(const TTile* tile) const;
  // Clue digit n (0..9) centred on (x, y) in this colour's tint, at full
  // alpha when pickedColor is this colour and at 0.3 of it otherwise, with
  // the dot beside it when tile's clue is satisfied. A digit outside 0..9
  // (a damaged level) draws nothing. Leaves white and alpha 1 when it drew.
  // flag (1: the cell is unpainted) changes nothing drawn.
  virtual int drawNumber(float x, float y, int n, int size, const TTile* tile,
                         const std::shared_ptr<TColor>& pickedColor, float alpha, int flag) const;
  // The painted-cell image of that kind and size, white, centred on (x, y).
  virtual int draw(float x, float y, int size, int kind) const;
};

// The colours in file order.
extern std::list<std::shared_ptr<TColor>> colorsList;

// Loads the type-wide images and the colours into a new colorsList. Loading
// phase 3. Reports and skips a colour whose id lies outside 0..19, and
// reports a table without the cross entry.
void setupColors();
// The first colour with that id; none when there is none.
std::shared_ptr<TColor> getColorById(int id);
// getColorById of tab[0] as an integer; none for an empty tab.
std::shared_ptr<TColor> createColorFromStringTab(const std::vector<std::string>& tab);

}  // namespace sorvanta
