#pragma once
// A puzzle of either ruleset with the state of its play: the cell grid, the
// board layout on the 1024 x 768 screen, hint icons and their charge, score,
// time, mistakes, background and music. Read and written by the level file.
#include <list>
#include <memory>
#include <string>

#include "puzzle/board/cell_grid.h"
#include "puzzle/board/ruleset.h"

namespace sorvanta {

class TATile;
class TColor;
class THint;
class TImg;
class TNumberCol;
class TNumberRow;
class TRCMFile;
class TTile;

// One rectangle drawn over the Picross board: a grid line or corner square.
class TAddFrame {
 public:
  virtual ~TAddFrame() = default;
  int x = 0, y = 0, w = 0, h = 0;  // top-left corner and size
  float a = 0;                     // alpha factor
  int spec = 0;                    // 1 on every fifth boundary
};
std::shared_ptr<TAddFrame> CreateAdditionalFrame(int x, int y, int w, int h, float a, int spec);

// Hold levels through shared pointers (LoadLevel makes them so): the cells
// refer back to their level without owning it.
class TLevel : public std::enable_shared_from_this<TLevel> {
 public:
  virtual ~TLevel() = default;

  TCellGrid<TTile> tile;     // Fill grid [row, column]
  TCellGrid<TATile> atiles;  // Picross grid [row, column]
  int rows = 0, cols = 0;
  int myX = 0, myY = 0;  // stored board position, truncated
  std::list<std::shared_ptr<TColor>> availableColors;  // Fill palette
  int actMusicN = 0;     // 0: chosen from the background
  std::list<std::shared_ptr<THint>> hints;
  int hintsCount = 0;    // charged hints
  int maxHintsCount = 0; // hint icons
  std::list<std::shared_ptr<TNumberRow>> numberRows;
  std::list<std::shared_ptr<TNumberCol>> numberCols;
  int size = 0;  // cell image variant 0..4
  float tileW = 0, tileH = 0;
  float width = 0, height = 0;  // board extent (Picross: with the clue margins)
  float drawX = 0, drawY = 0;   // grid origin: the centre of cell [0, 0]
  float centerX = 420.0f, centerY = 384.0f;
  float cx = 0, cy = 0;
  float stCX = 0, stCY = 0;
  float centW = 0, centH = 0;
  int mistakes = 0;
  int maxMistakes = 5;
  float x = 0, y = 0;  // Fill board extent; the stored position while reading
  float scale = 0;
  int tryb = kRulesetFill;  // Ruleset as stored: 0 Fill, 1 Picross
  int time = 0;  // seconds played
  float modAX = 0, modAY = 0;  // centre corrections: vertical, horizontal
  float dEmptyA = 1.0f, emptyA = 1.0f;
  float dWidth = 0, dHeight = 0;
  float numWidth = 0, numHeight = 0;  // clue margins
  std::shared_ptr<TImg> backgroundImg;
  std::string backgroundUrl;
  int score = 0;
  std::list<std::shared_ptr<TAddFrame>> additionalFrames;

  static float frameStepX, frameStepY;  // gap after every five cells

  // 1 when the level has a grid of cells of its ruleset to play; a level
  // whose file failed or was malformed has none, and is not to be played.
  int hasCells() const;

  virtual int GetBackGroundNr() const;
  virtual int loadMyBackground();
  virtual int AddScore(int n);
  virtual int AddHintPower();
  virtual std::shared_ptr<THint> getMinUnlodedHint() const;
  virtual std::shared_ptr<THint> getUnloadedHint() const;
  virtual std::list<std::shared_ptr<THint>> initHints(int h1, int h2, int h3, int h4, int h5, int h6, int h7,
                                                       int h8, int h9) const;
  // 1 when every Picross cell of the row (column) is acted on; 0 outside.
  virtual int rowClear(int r) const;
  virtual int colClear(int c) const;
  virtual int ResolveTrelmoTiles(int r, int c, int h, int w);
  virtual int COUNT_MaxMistakes() const { return maxMistakes; }
  virtual int COUNT_Dims_Mesalor();
  virtual int COUNT_Dims();
  virtual int COUNT_Position();
  // 1 when (r, c) is painted in color; kept with the level's interface, the
  // recount counts through the Fill rules instead.
  virtual int COUNT_Single_Tile_ByUser(const std::shared_ptr<TColor>& color, int r, int c) const;
  virtual float COUNT_Standard_Width() const;
  virtual float COUNT_Standard_Height() const;
  virtual int COUNT_UserPutColorNumber();
  virtual int COUNT_Colors();
  virtual int COUNT_0Tiles();
  virtual int COUNT_NumbersHeight();
  virtual int COUNT_NumbersWidth();
  virtual int COUNT_Numbers();
  virtual int COUNT_Position_Mesalor();
  virtual int COUNT_AdditionalFrame();
  virtual int COUNT_Dif(float p);
  virtual int COUNT_Position2(float p);
  virtual int putZeroXToTile(int r, int c);
  virtual int updateAlpha();
  virtual int _SAVE_Standard(TRCMFile& file);
  virtual int _SAVE_Tiles(TRCMFile& file) const;
  virtual int _Save(const std::string& path);
  virtual int _LOAD_Standard(const TRCMFile& file);
  virtual int _LOAD_Tiles2(const TRCMFile& file);
  virtual int _LOAD_Tiles(const TRCMFile& file);
  virtual int _Load(const std::string& path);
  // The same from a file already read; path names it in the reports.
  int _Load(const TRCMFile& file, const std::string& path);
  virtual int turnOffAll();
  virtual int turnOnAll();
};

}  // namespace sorvanta
