#pragma once
// The profiles screen: the player list drawn over the options overlay, a
// press on a row choosing the current player, and the buttons NEW, OK,
// DELETE and RENAME. The list and the actions are the campaign's.
#include <memory>

#include "campaign/profile_manager.h"

namespace sorvanta {

class TImage;
class TImageFont;

class TProfilesScreen : public TProfileManager {
 public:
  std::shared_ptr<TImage> panel;
  std::shared_ptr<TImageFont> font, fontTitle;

  void setup() override;
  void update() override;
  void draw() override;
  int mainLoop() override;
  void prepare();
  void _updateButtons();
  void _updateprofiles();
  void _drawBack();
  void _drawPanel();
  void _drawProfiles();

  // Row i: its name centred on kRowsX at kRowsTop + kRowStep * i; a press
  // anywhere in its rectangle, however short the name, hits it.
  static constexpr float kRowsX = 500, kRowsTop = 260, kRowStep = 26;
  static constexpr float kHitLeft = 200, kHitWidth = 400, kHitHeight = 24;
  struct Row {
    float x, y, w, h;
  };
  static Row rowOf(int i);
};

}  // namespace sorvanta
