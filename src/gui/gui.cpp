// The layout object: loading, widget creation, the script hook and the
// per-frame update and drawing.
#include "gui/gui.h"

#include <cstdio>
#include <iostream>
#include <utility>

#include "core/globals.h"
#include "formats/text_utils.h"
#include "gui/click_sound.h"
#include "platform/files.h"
#include "platform/lua_bridge.h"
#include "platform/strings.h"
#include "platform/system.h"

namespace sorvanta {

namespace {

// A layout or script the game cannot read leaves it without a screen to
// show, so the program ends with one line that names the file, and with -1
// as any error the platform reports.
std::string readOrEnd(const std::string& what, const std::string& path,
                      std::string (*load)(const std::string&)) {
  try {
    return load(path);
  } catch (const FileError&) {
    std::cerr << "Cannot open " << what << " '" << path << "'" << std::endl;
    End(-1);
  }
}

}  // namespace

void errorMsg(const std::string& text) { Print("ERROR: " + text); }

GuiPtr LoadGui(const std::string& path) {
  auto gui = std::make_shared<TGui>();
  gui->LoadMe(path);
  return gui;
}

void TGui::LoadMe(const std::string& path) {
  // Layout files are one character per byte; the game's strings are UTF-8.
  std::string text = readOrEnd("layout file", path, LoadString);
  if (GUI_ChangeDir) {
    remPath = RealPath(CurrentDir());
    ChangeDir(ExtractDir(path));
  }
  myPath = path;
  parseTokens(text);
  readObjects();
  if (GUI_ChangeDir) ChangeDir(remPath);
}

void TGui::addScript() {
  if (tokens.empty()) return;
  std::string path = usunCytat(tokens.front().txt);
  tokens.pop_front();
  // Lua reads the bytes as they are in the file.
  std::string source = readOrEnd("layout script", path, LoadBytes);
  luaObject = TLuaObject::Create(TLuaClass::Create(source), nullptr);
  luaObject->Invoke("start");
}

void TGui::GiveObjectData(const PropertiesPtr& standard, std::vector<PropertiesPtr> states,
                          const std::string& name) {
  objects.push_back(TGuiObject::Create(standard, std::move(states), Upper(name)));
}

GuiObjectPtr TGui::findObject(const std::string& name) const {
  std::string n = Upper(name);
  for (const auto& ob : objects)
    if (Upper(ob->id) == n) return ob;
  return nullptr;
}

GuiObjectPtr TGui::GetObject(const std::string& name) {
  GuiObjectPtr ob = findObject(name);
  if (!ob && reportedMissing_.insert(Upper(name)).second)
    errorMsg("No object '" + name + "' in layout '" + myPath + "'!");
  return ob;
}

PropertiesPtr TGui::GetPropertiesClass(const std::string& name) const {
  std::string n = Upper(name);
  for (const auto& p : propClasses)
    if (Upper(p->id) == n) return p;
  return nullptr;
}

void TGui::setGuiAlpha(float a) {
  for (auto& ob : objects) ob->alpha = a;
}

void TGui::setLuaUpdate(int flag) { mustUpdateLua = flag; }

void TGui::printObjects() {
  for (const auto& ob : objects) Print("ob.id = " + ob->id);
}

void TGui::show() { visible = 1; }
void TGui::hide() { visible = 0; }

void TGui::update() {
  if (!visible) return;
  if (mustUpdateLua && luaObject) luaObject->Invoke("update");
  over = nullptr;
  click = nullptr;
  holded = nullptr;
  for (auto& ob : objects) {
    ob->update();
    if (ob->clicked) {
      click = ob;
      playClickSound();
    }
  }
}

int TGui::clickedItem(const std::string& name) const {
  return click && Upper(click->id) == Upper(name) ? 1 : 0;
}

void TGui::draw() {
  if (!visible) return;
  for (auto& ob : objects) ob->draw();
}

}  // namespace sorvanta
