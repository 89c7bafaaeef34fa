#pragma once
// The name entry dialog: the player types a name (upper case, at most 15
// characters, no punctuation from a fixed list, no control codes) that no
// other player has; run over the screen that opens it.
#include <memory>
#include <string>
#include <vector>

#include "core/ekran.h"

namespace sorvanta {

class TImage;
class TImageFont;
class TProfile;

inline constexpr int kMaxNameLength = 15;

class TProfileName : public TEkran {
 public:
  std::shared_ptr<TEkran> ekran;  // drawn beneath the dialog
  std::string entry;              // UTF-8; the result
  int time = 0;
  int switch_ = 0;  // the cursor is shown
  std::shared_ptr<TImageFont> font, font2;
  std::vector<char32_t> forbiddenChars;
  std::shared_ptr<TImage> panel;
  std::string txtStart, txtEnt;
  std::shared_ptr<TProfile> editedProf;  // the player being renamed, none for a new one
  int firstProfile = 0, editProfile = 0;

  TProfileName();
  void setup() override;
  void draw() override;
  void update() override;
  void _drawBack();
  void _drawEntry();
  void _updateEntry();
  void prepare(std::shared_ptr<TEkran> screen, const std::string& start, int first, int edit);
  std::string mainloop(std::shared_ptr<TEkran> screen, const std::string& start, const std::string& unused,
                       int first, int edit);
  int _controlGUI();
  int _controlKeyboard();
  // One typed character code, as the keyboard hands it over.
  int typeChar(int code);
  int goOk();
  int goCancel();
  int ifCanCancel() const;
  int ifCanOk() const;
  int checkEntry() const;
  int checkEntry1() const;
};

extern std::shared_ptr<TProfileName> profileName;

}  // namespace sorvanta
