#pragma once
// The Fill cell: solution colour, optional clue, the player's paint and
// crossed-out colours; its paint and cross steps, its hint resolution, its
// per-frame values and its cell string in the level file.
#include <array>
#include <list>
#include <memory>
#include <string>
#include <vector>

namespace sorvanta {

class TColor;
class TFlyingTile;
class TImg;
class TLevel;

class TTile {
 public:
  virtual ~TTile() = default;

  std::shared_ptr<TFlyingTile> _flyingTile;  // set while its flying copy flies
  std::weak_ptr<TLevel> _level;              // the level whose grid holds it
  std::shared_ptr<TColor> color;     // solution colour; none = empty in the solution
  std::shared_ptr<TColor> putColor;  // the player's paint; none = unpainted
  std::shared_ptr<TColor> number;    // clue colour; none = no clue
  float alpha = 1.0f;
  float dAlpha = 1.0f;
  std::list<std::shared_ptr<TColor>> xList;  // crossed-out colours, in order added
  int size = 0;
  float x = 0, y = 0;  // centre on the screen
  int r = 0, c = 0;
  int isZero = 0;  // in a zero clue's block: crossed, not paintable
  int count = 0;   // clue value, as stored
  int showCount = 0;
  int isResolved = 0;  // kept in the cell string only
  int userCount = 0;   // the clue's count over the player's paint
  int holded = 0;      // took its one application of the current drag
  float showMeAlpha = 0;
  float dShowMeAlpha = 0;
  // Level-editor state, kept with the cell; play never reads it.
  float editorPointA = 0, dEditorPointA = 0;
  int editorIAmNotGood = 0, editorCol = 0;
  int showTimePart = 0;
  int timePartRot = 0;
  float timeDist = 0, dTimeDist = 1.0f;
  int hinttime = 0;

  static std::array<std::shared_ptr<TImg>, 10> empty;  // empty-cell image per size, 0..4 loaded
  static float eAlpha;   // the empty layer's and the crosses' opacity
  static float dEAlpha;

  // One paint (c a real colour) or cross (c the cross entry) step of a left
  // drag; action 1 puts, 0 removes.
  virtual int putColorByUser_NORMAL2(const std::shared_ptr<TColor>& c, int action);
  // Toggles the cross of the play screen's last colour.
  virtual int putXByUser_RIGHTHOLDED(int action);
  // The paint step, once per drag and only in the normal game type.
  virtual int putColorByUser2(const std::shared_ptr<TColor>& c, int action);
  virtual std::list<std::shared_ptr<TColor>> createXList(const std::vector<std::string>& ids) const;
  // Fills the cell from the five fields of its cell string; a missing
  // number reads as 0, an empty colour field leaves the field as it is.
  virtual int putDataFromString(const std::string& s1, const std::string& s2, const std::string& s3,
                                const std::string& s4, const std::string& s5);
  virtual std::string getMyXListString() const;
  virtual std::string getMyString() const;
  // The cell at (x, y) with the caller's scale, alpha and rotation: its
  // flying copy.
  virtual int drawAsFlying(float x, float y);
  virtual int _updateHintParticles();
  virtual int _updateAlpha();
  virtual int _updateShowMeAlpha();
  // The flash step, then 1 when the mouse is over the cell.
  virtual int update();
  // The hint's solution of this cell.
  virtual int Resolve();
  // 1 without a clue or with a satisfied one.
  virtual int isDone() const;
  virtual int GetMySizeWH() const;
  // The cell on the board, drawn with alpha blending set: the empty layer,
  // the paint (dimmed out of focus while the level starts or is played) or
  // the zero cross, the clue digit and its flash. focus: the colour whose
  // digits show at full strength. Nothing while the cell flies.
  virtual int Draw(const std::shared_ptr<TColor>& focus);
  // The show-me flash over the clue digit, with its sparks.
  virtual int DrawShow(const std::shared_ptr<TColor>& focus);
  // The cross of the focus colour, when the cell has one.
  virtual int DrawX(const std::shared_ptr<TColor>& focus);
  // The blink of a wrongly painted cell at strength a; leaves alpha 1 and
  // alpha blending.
  virtual int drawLightUp(float a);

 private:
  void recount() const;
};

}  // namespace sorvanta
