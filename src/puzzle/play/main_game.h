#pragma once
// The play screen: one level of either ruleset from its start animation
// through play to the win zoom and the summary, or to the fall and the lose
// panel. Its panel images and fonts, the level, the play state, the input
// state of both rulesets and the values of the win zoom.
#include <array>
#include <list>
#include <memory>
#include <string>

#include "core/ekran.h"

namespace sorvanta {

class TATile;
class TColor;
class THint;
class TImage;
class TImageFont;
class TImg;
class TLevel;
struct TRGB;
class TTile;

// Play states; other code tests these numbers.
constexpr int kPlayBegin = 0;
constexpr int kPlayNormal = 1;
constexpr int kPlayWin = 2;
constexpr int kPlayFinished = 3;
constexpr int kPlayLose = 5;

class TMainGame : public TEkran {
 public:
  TMainGame();

  // Panel images, fonts and frame state.
  std::shared_ptr<TImg> panel;
  std::shared_ptr<TImg> colorImg;
  std::shared_ptr<TImg> hintImg;
  std::shared_ptr<TImg> checkedImg;
  std::shared_ptr<TImg> tick;
  std::shared_ptr<TImg> frameImg;
  std::shared_ptr<TImg> mistakesImg;
  std::shared_ptr<TImg> toolFrame;
  std::array<std::shared_ptr<TImg>, 2> reka;  // hand tool: normal, hovered
  std::array<std::shared_ptr<TImg>, 2> hak;   // hook tool: normal, hovered
  std::array<std::shared_ptr<TImg>, 9> aFrame;  // Picross window frame pieces
  std::shared_ptr<TImageFont> hintFont;      // 48 px hint-mode banner
  std::shared_ptr<TImageFont> mistakesFont;  // 26 px mistakes counter
  std::shared_ptr<TImageFont> hintFont2;     // 26 px help text
  std::array<std::shared_ptr<TImg>, 2> pomButton;  // help button: normal, hovered
  float dButA = 0;
  float butA = 0;
  int startPomHintY = 0;  // top of the help text, centred on y 718
  std::array<std::shared_ptr<TImg>, 12> levelFrame;  // Fill board frame pieces
  float frameA = 0;
  float dFrameA = 0;

  // Level, play state and input.
  std::shared_ptr<TLevel> level;
  int isWin = 0;
  int state = kPlayBegin;
  std::shared_ptr<TTile> overTile;
  std::shared_ptr<TATile> aOverTile;
  int actionType = 0;        // Picross tool in use: 0 hand, 1 hook
  int trelmoActionType = 0;  // 1 while a Fill hint is armed
  int overClick = 0;
  std::list<std::shared_ptr<TATile>> overTiles;
  std::shared_ptr<TColor> overColor;
  std::shared_ptr<TColor> pickedColor;
  // The colour Fill cell strokes work with; picking the cross entry leaves
  // here the entry picked before it.
  std::shared_ptr<TColor> lastColor;
  std::shared_ptr<TColor> xColor;
  std::shared_ptr<TTile> lastShowTile;
  std::shared_ptr<THint> overHint;
  std::string txtHintInfo;
  std::string txtSpecHint;
  std::string txtShowBadTiles;
  float scx = 0, scy = 0;
  float pomscX = 0, pomscY = 0;
  float lFrameX = 0, lFrameY = 0, lFrameW = 0, lFrameH = 0;
  int _color = 0;
  float batAlpha = 0;
  float dBatAlpha = 0;
  int overTool = 0;
  int toolsX = 860;
  int toolsY = 250;
  int toolsW = 80;
  int colSX = 879;
  int colSY = 266;

  // Board frame geometry, Fill drag state, win values.
  float fx1 = 0, fy1 = 0, fx2 = 0, fy2 = 0;
  float fsx = 0, fsy = 0;
  float fx3 = 0, fy3 = 0, fx4 = 0, fy4 = 0;
  std::string mistTxt;
  std::shared_ptr<TTile> holded;
  int oRow = 0;
  int oCol = 0;
  int holdR = 0;
  int holdC = 0;
  int lastMouseLeftHolded = 0;
  int action = 0;
  int lastMouseRightHolded = 0;
  // This frame's Fill tallies per colour id, in the solution and in the
  // paint; koloryOk holds when the two agree.
  std::array<int, 20> colorsTiles{};
  std::array<int, 20> colorsDone{};
  int koloryOk = 0;
  std::shared_ptr<TATile> holdedTile;
  int holdedType = 0;
  std::shared_ptr<THint> lastPickedHint;
  float oldTool = 0;
  float wWidth = 0;
  float wHeight = 0;
  int winTime = 0;
  float dLS = 0;
  float dlx = 0, dly = 0;
  float dlsx = 0, dlsy = 0;
  float dLSS = 0;
  float wP = 0;
  int secondTime = 0;
  int pomButtonOver = 0;
  std::list<std::shared_ptr<TTile>> badTiles;

  // Set-up (once, during loading).
  void setup() override;
  virtual int _setupGUI();
  virtual int _setupFrame();
  virtual int _setupGameGFX();
  virtual int _setupTexts();

  // Drawing layers.
  void draw() override;
  virtual int _drawSpecArrow(float x1, float y1, float x2, float y2, float mx, float my,
                             const std::shared_ptr<TRGB>& rgb);
  virtual int _drawBack();
  virtual int _drawNormalLevel();
  virtual int _drawMyFrame(int x, int y, float w, float h);
  virtual int _drawLevelFrame();
  virtual int _drawMesalorTileCross();
  virtual int _drawMesalorNumbers();
  virtual int _drawMesalorOvers2();
  virtual int _drawMesalorOvers();
  virtual int _drawMesalorLevel();
  virtual int _drawBadTiles();
  virtual int _drawLevel();
  virtual int _drawHand(int x, int y);
  virtual int _drawHook(int x, int y);
  virtual int _drawTools();
  virtual int _drawPomBut();
  virtual int _drawPomHint();
  virtual int _drawPanel();
  virtual int _drawColors();
  virtual int _drawFrame();
  virtual int _drawHints();
  virtual int _drawHintInfo();
  virtual int _drawMistakes();

  // Input and rule steps of play.
  virtual int _updateTilesOver();
  virtual int _updateColorsOver();
  virtual int _updateMouseHolded();
  virtual int _updateMesalorStandardAction();
  virtual int _updateMesalorTilePlay();
  virtual int _updateTilesOverMesalor();
  virtual int _updateNumbers();
  virtual int _updateLoseMesalor();
  virtual int _updateHintParticles(int r, int c);
  virtual int _updateTrelmoHint();
  virtual int _updateHintsOver();
  virtual int _updateGameTryb();
  virtual int _updateTools();

  // The frame's update and the play states.
  void update() override;
  virtual int _update_NORMAL();
  virtual int _update_BEGIN();
  virtual int _update_WIN();
  virtual int _update_LOSE();
  virtual int _updateState();
  virtual int _updateFrame();
  virtual int _updateTime();
  virtual int _updatePomButton();
  // 1 while the win runs (WIN), 0 in every other state.
  virtual int levelFinished() const;
  // One mistake more on the level; a landing mistake rock calls it.
  virtual int AddMistake();
  // A quarter charge to the level's fullest uncharged hint; a landing hint
  // orb calls it.
  virtual int AddHintPower();
  virtual std::list<std::shared_ptr<TATile>> GetTilesFromTo(const std::shared_ptr<TATile>& from,
                                                            const std::shared_ptr<TATile>& to);
  virtual int ShowTilesMesalor(const std::list<std::shared_ptr<TATile>>& tiles);
  virtual int BrakeTilesMesalor(const std::list<std::shared_ptr<TATile>>& tiles);
  virtual int ShowTileMesalor(const std::shared_ptr<TATile>& tile, int delay);
  virtual int BrakeTileMesalor(const std::shared_ptr<TATile>& tile, int delay);
  // Picks the palette entry at position n, counted from 1; nothing when the
  // palette is shorter.
  virtual int pickColor(int n);
  virtual int pickColor2(const std::shared_ptr<TColor>& c);

  // Level start and the screen loop.
  virtual int setLevel(const std::shared_ptr<TLevel>& newLevel);
  virtual int _prepareBeginNormal_1();
  virtual int _prepareBeginNormal_2();
  virtual int _prepareBeginNormal_3();
  virtual int _prepareBeginNormal_4();
  virtual int _prepareBeginNormal_5();
  virtual int _prepareBeginNormal();
  virtual int _prepareBeginMesalor();
  virtual int _prepareSelf();
  virtual int _prepareFrame();
  virtual int _prepareLevelNumbers();
  virtual int _prepareBegin();
  virtual int prepare();
  // Runs the level and returns the next state. A level without cells is not
  // started: "MAIN-MENU".
  virtual std::string mainloop();

  // Commands.
  virtual int ShowBadTiles();
  virtual int goMenu();
  virtual int goMainMenu();
  virtual int goRestart();
  virtual int goMapScreen();
  virtual int goShow();
  virtual int CONTROL_KEYBOARD();
  virtual int CONTROL_GUI();

  // Win and loss.
  virtual int WINNormal();
  virtual int WIN();
  virtual int WIN_CHEAT();
  virtual int LOSE();
  // The Fill tutorial's tests: the first 3 x 2 (3 x 3) cells done; 0 on a
  // board too small for them.
  virtual int is6Done();
  virtual int is9Done();

 protected:
  // The Fill fly-in of one pattern (1..5) for every cell.
  void flyIn(int pattern);
  // What is still in flight when the loop ends with result.
  void settleEffects(const std::string& result);
};

extern std::shared_ptr<TMainGame> mainGame;

}  // namespace sorvanta
