#pragma once
// The map of stages: the current player's open stages of the current mode as
// markers on a painted world with its ambient life; a click on a stage runs
// the stage screen inside the map's frame, "PLAY" opens the first unfinished
// stage, "MENU" goes back to the main menu.
#include <array>
#include <list>
#include <memory>
#include <string>

#include "campaign/stage.h"
#include "core/ekran.h"
#include "gui/gui_types.h"

namespace sorvanta {

class TImageFont;
class TImg;
class TProfile;

class TMapScreen : public TEkran {
 public:
  TMapScreen();

  std::shared_ptr<TImg> back;
  std::shared_ptr<TImg> kompas;
  std::shared_ptr<TImg> ship;                  // handle at its centre
  std::array<std::shared_ptr<TImg>, 2> flaga;  // [0] normal, [1] under the mouse
  std::shared_ptr<TStage> overStage;           // the shown stage under the mouse this frame
  std::list<std::shared_ptr<TStage>> stages;   // shown, in catalogue order
  std::shared_ptr<TImg> frameLeft, frameRight, frameUp;
  std::shared_ptr<TImageFont> font;  // stage titles
  std::array<TDim, 34> fogDim{};
  std::array<TDim, 34> lavaDim{};
  std::array<int, 11> pox{}, poy{};  // the water polygon
  float shipPer = 0;                 // -0.2 .. 1; below 0 the sea is empty
  // Clock deadlines of the ambient emitters; 0 fires them all in the first frame.
  int vulcanoTime = 0, snowTime = 0, cloudTime = 0, fogTime = 0, waterTime = 0, lavATime = 0;
  // Set by the stage screen when it hands back: the next preparation shows
  // the map at once instead of fading in from black.
  int noPrepare = 0;

  void setup() override;
  void draw() override;
  void update() override;
  virtual void _drawBack();
  virtual void _drawFlag(const TStage& stage);
  virtual void _drawStages();
  virtual void _drawFrames();
  virtual void _drawTitles();
  virtual void _updateStages();
  virtual void _updateEnviroment();
  virtual void _prepareSelf();
  // Rebuilds the shown stages from the current player; the stage screen
  // calls it when it hands back to a running map.
  virtual void _prepareStages();
  virtual void prepare();
  // "MAIN-GAME" after a level was started on the stage screen, "MAIN-MENU" after "MENU".
  virtual std::string mainloop();
  // By value: the stage screen's hand-back rebuilds the list the stage came from.
  virtual void goToStage(std::shared_ptr<TStage> stage);
  virtual void goPlay();
  virtual void goMenu();

 private:
  // The mode's whole catalogue, shown or not; none without a player or for
  // a mode other than 0 and 1.
  const std::list<std::shared_ptr<TStage>>* catalogue() const;
  TProfile* player() const;
};

extern std::shared_ptr<TMapScreen> mapScreen;

}  // namespace sorvanta
