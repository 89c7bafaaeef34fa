#pragma once
// The profiles screen: the player list drawn over the options overlay (which
// it dims), a press on a name choosing the current player, and the buttons
// NEW, OK, DELETE and RENAME. The list and the actions are the campaign's.
#include <memory>
#include <string>

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

  // Row i: a band kRowHeight high, kRowStep below the one before, centred
  // on kRowsX; eight fit above the buttons.
  static constexpr float kRowsX = 500, kRowsTop = 256, kRowStep = 26, kRowHeight = 22;
  static constexpr float kRowPad = 14, kRowMinHalf = 60;  // band beyond the name; least half-width
  static constexpr float kDim = 0.6f;                      // darkness over the settings at full alpha
  struct Row {
    float x, y, w, h;
  };
  // The band of row i, holding name (in the names' font).
  Row rowOf(int i, const std::string& name) const;
};

}  // namespace sorvanta
