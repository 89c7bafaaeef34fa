#pragma once
// The Picross cell: a picture piece or an empty cell, acted on once, right or
// wrong; its delayed uncover and break requests, their outcomes, its pop
// animation, tutorial task and glow, hover test and cell string.
#include <array>
#include <memory>
#include <string>

namespace sorvanta {

class TFlyingTile;
class TImage;
class TImageFont;
class TLevel;
class TTileData;

class TATile {
 public:
  virtual ~TATile() = default;

  std::shared_ptr<TFlyingTile> _flyingTile;  // set when a lost board falls
  int turnOff = 0;                 // 1: refuses requests (tutorial lock)
  std::shared_ptr<TTileData> td;   // the picture piece; none = empty cell
  int x = 0, y = 0;                // centre on the screen
  std::weak_ptr<TLevel> _level;
  int r = 0, c = 0;
  int size = 0;
  float drawScale = 1.0f;  // pop scale
  float drawAlpha = 1.0f;
  float dDrawAlpha = 1.0f;
  float per = 1.0f;  // pop progress, 1 at rest
  int state = 0;     // pending: 0 none, 1 uncover, 2 break
  int time = 0;      // clock time at which the pending action fires
  int stan = 0;
  int odkryte = 0;   // acted on, right or wrong
  int zepsute = 0;   // the action was a mistake
  std::string zadanie;    // tutorial task: "UNCOVER", "BROKE" or empty
  std::string poZadaniu;  // after the task: "LIGHT-DOWN" ends the glow
  float lightUPa = 0;
  float dLightUpA = 0;
  int hinttime = 0;
  int _dontGiveAddHint = 0;  // a right uncover sends no hint orb
  float pomX1 = 0, pomY1 = 0, pomX2 = 0, pomY2 = 0;

  static std::array<std::shared_ptr<TImage>, 10> xImg;   // cross per size, 0..4 loaded
  static std::array<std::shared_ptr<TImage>, 10> empty;  // covered cell per size
  static std::array<std::shared_ptr<TImageFont>, 10> font;
  static std::array<std::shared_ptr<TImageFont>, 10> font2;
  static float lightAnim, dLightAnim;
  static float pomXX, pomYy;

  // The shared glow pulse, once per frame.
  static void updateTileAnim();
  // 1 when acted on.
  virtual int isDone() const;
  virtual int lightMeUp();
  // The tutorial's counterpart of lightMeUp; no tip uses it, kept with the
  // cell's interface.
  virtual int lightMeDown();
  // The cell's face at (x, y) with the caller's drawing state: its flying
  // copy. An acted cell without a picture piece shows nothing.
  virtual int drawAsFlying(float x, float y);
  virtual int _updateHintParticles();
  virtual int _updateOver();
  virtual int Finish();
  virtual int _update_STATE_SHOW();
  virtual int _update_STATE_BRAKE();
  virtual int _updateState();
  virtual int _updatePer();
  virtual int _updateAlpha();
  virtual int _updateTutorial_light();
  virtual int _updateTutorial_zadanie();
  virtual int updateTutorial();
  // One frame; 1 when the mouse is over the cell. Nothing while flying.
  virtual int update();
  virtual int tutorialEndZadanie();
  // "id|acted|failed".
  virtual std::string getMyString() const;
  // Asks for an uncover (a break) delay ms from now; refused while acted
  // on, pending, locked, or given the other task.
  virtual int ShowMe(int delay);
  virtual int BrakeMe(int delay);
  // The actions themselves, without the refusals.
  virtual int BrakeMeNow();
  virtual int ShowMeNow();
  // The hint's right action without delay and without a hint orb.
  virtual int Resolve();
  virtual int CountPomDims();
  virtual int setZadanie(const std::string& task, const std::string& after);
  // Level-editor aid: the mouse over the cell; no screen of the game calls it.
  virtual int EDITOR_Over();

  // The cell in place: its covered face, its picture once uncovered, nothing
  // once an empty cell is acted on; the tutorial glow over it. Nothing once
  // its fall has started.
  virtual int draw();
  virtual int _drawTD();
  virtual int _drawNull();
  virtual int _drawHide();
  virtual int _drawTD_Odkryte();
  virtual int _drawX();
  virtual int _drawLightUp();
  // The light band of the hovered cell's row and column, at 0.1 x a.
  virtual int drawCross(float a);
  // The hover and drag-preview mark on a cell not acted on (kind 1: the
  // action would uncover, 0: break), then n (0: none) written on it.
  virtual int drawAsOver(int n, int kind);
  // The dark shade of the tutorial's row demonstration.
  virtual int drawPosibility();
  // Level-editor aid: the covered face, grey on the selected cell, and the
  // picture; no screen of the game calls it.
  virtual int EDITOR_Draw(const std::shared_ptr<TATile>& selected);

 private:
  int request(int newState, const char* refusingTask, int delay);
};

}  // namespace sorvanta
