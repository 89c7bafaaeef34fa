// The name entry dialog.
#include "screens/profile_name.h"

#include "campaign/profile_manager.h"
#include "core/draw_state.h"
#include "core/globals.h"
#include "core/screen_loop.h"
#include "formats/txt_file.h"
#include "gui/gui.h"
#include "gui/my_font.h"
#include "platform/clock.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/input.h"
#include "platform/strings.h"
#include "platform/video.h"

namespace sorvanta {

std::shared_ptr<TProfileName> profileName;

namespace {
std::string key(const std::string& name) { return Upper(Trim(name)); }
}  // namespace

TProfileName::TProfileName() {
  for (char32_t c : kRefusedNameChars) forbiddenChars.push_back(c);
}

void TProfileName::setup() {
  txtEnt = readTxtData(loadTxtFile(bDir + "txt/#LANG#/profileManager.txt"), 7);
  panel = LoadImage(bDir + "gfx/gui/profileName/panel.png", -1);
  gui = LoadGui(bDir + "gfx/gui/profileName/" + lang + "/profileName.gui");
  font = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 24);
  font2 = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 26);
}

void TProfileName::prepare(std::shared_ptr<TEkran> screen, const std::string& start, int first, int edit) {
  ekran = std::move(screen);
  entry = start;
  txtStart = Upper(start);
  alpha = 0;
  dAlpha = 1;
  firstProfile = first;
  editProfile = edit;
  _exit = 0;
  // time and switch_ stay: the caret blinks on in the phase the last opening left.
}

std::string TProfileName::mainloop(std::shared_ptr<TEkran> screen, const std::string& start, const std::string&,
                                   int first, int edit) {
  prepare(std::move(screen), start, first, edit);
  runScreenLoop(
      *this, [this] { _controlGUI(), _controlKeyboard(); },
      [this] { return _exit = alpha == 0 && dAlpha == 0, _exit != 0; });
  // The keys still queued went with the screen loop; a click goes too.
  FlushMouse();
  return entry;
}

void TProfileName::update() {
  _updateAlpha();
  _updateGui();
  _updateEntry();
  if (ekran && ekran == profileManager) {
    ekran->alpha = 1 - alpha;
    if (ekran->gui) {
      for (auto& object : ekran->gui->objects) object->SetMyAlpha(ekran->alpha);
      // The captions follow the widget's own alpha: without it they stay
      // drawn over whatever lies behind the faded screen.
      ekran->gui->setGuiAlpha(ekran->alpha);
    }
  }
}

void TProfileName::_updateEntry() {
  if (msPast(MilliSecs(), time)) {
    time = msAfter(MilliSecs(), 500);
    switch_ = !switch_;
  }
  if (!gui) return;
  if (auto cancel = gui->GetObject("cancel")) cancel->setState(ifCanCancel(), ifCanCancel());
  if (auto ok = gui->GetObject("ok")) ok->setState(ifCanOk(), ifCanOk());
}

void TProfileName::draw() {
  _drawBack();
  _drawEntry();
  _drawGUI();
}

void TProfileName::_drawBack() {
  if (ekran && ekran.get() != this) ekran->draw();
}

void TProfileName::_drawEntry() {
  ResetDrawState(alpha);
  if (panel) DrawImage(panel, 300, 300);
  SetBlend(3);
  SetImageFont(font2);
  DrawText(txtEnt, static_cast<float>(512 - TextWidth(txtEnt) / 2), 320);
  SetImageFont(font);
  const int w = TextWidth(entry);
  DrawText(entry, static_cast<float>(500 - w / 2), 380);
  if (switch_)
    DrawRect(static_cast<float>(500 - w / 2 + w), 380, static_cast<float>(TextWidth("A")),
             static_cast<float>(TextHeight("A")));
}

int TProfileName::_controlGUI() {
  if (alpha != 1 || !gui) return 0;
  if (gui->clickedItem("OK")) goOk();
  if (gui->clickedItem("CANCEL")) goCancel();
  return 0;
}

int TProfileName::_controlKeyboard() {
  if (alpha != 1 || dAlpha != 1) return 0;
  return typeChar(GetChar());
}

int TProfileName::typeChar(int code) {
  if (code == 0) return 0;
  if (code == 13) {
    if (ifCanOk()) goOk();
  } else if (code == 27) {
    if (ifCanCancel()) goCancel();
  } else if (code == 8) {
    std::u32string text = Utf8ToU32(entry);
    if (!text.empty()) text.pop_back();
    entry = U32ToUtf8(text);
  } else {
    // Control codes would break the quoted name in the player's file.
    if (code < 32 || code == 127) return 0;
    for (char32_t c : forbiddenChars)
      if (static_cast<int>(c) == code) return 0;
    std::u32string text = Utf8ToU32(entry);
    if (text.size() >= kMaxNameLength) return 0;
    text.push_back(UpperCase(static_cast<char32_t>(code)));
    entry = U32ToUtf8(text);
  }
  return 0;
}

int TProfileName::goOk() {
  if (checkEntry() || checkEntry1()) return 0;
  if (!entry.empty()) dAlpha = 0;
  return 0;
}

int TProfileName::goCancel() {
  entry.clear();
  dAlpha = 0;
  return 0;
}

int TProfileName::ifCanCancel() const {
  return !(profileManager && profileManager->profiles.empty() && firstProfile == 1);
}

int TProfileName::checkEntry1() const {
  if (!profileManager) return 0;
  if (profileManager->folderTaken(entry, editedProf)) return 1;
  for (auto& player : profileManager->profiles)
    if (player != editedProf && key(player->name) == key(entry)) return 1;
  return 0;
}

int TProfileName::ifCanOk() const {
  if (Trim(entry).empty()) return 0;
  if (!profileManager) return 1;
  // A name whose folder is a listed player's, offered or away, is taken too.
  if (profileManager->folderTaken(entry, editProfile == 1 ? editedProf : nullptr)) return 0;
  for (auto& player : profileManager->profiles) {
    if (editProfile == 1 && player == editedProf) continue;
    if (key(player->name) == key(entry)) return 0;
  }
  return 1;
}

int TProfileName::checkEntry() const { return checkEntry1() && key(entry) != txtStart; }

}  // namespace sorvanta
