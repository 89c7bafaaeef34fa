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
};

}  // namespace sorvanta
