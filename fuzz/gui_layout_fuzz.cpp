// Feeds arbitrary bytes to the layout tokenizer and entry reader, and walks
// every parse tree read from them; then loads the same bytes as a layout file
// the way a screen does, against the resource folder fuzz/layout_res, so GFX
// (images and atlases), FONT, TXT (text references) and LUASCRIPT
// (script.lua, beside the layout) really load, and updates and draws it once. Paths that would leave the resource
// folder for system files ("..", "/dev", "/proc", "/sys") are broken first.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "app/bindings.h"
#include "core/globals.h"
#include "fuzz_support.h"
#include "gui/gui.h"
#include "gui/img.h"
#include "gui/my_font.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "platform/system.h"

using namespace sorvanta;

namespace {

size_t countEntries(const GuiEntryList& entries) {
  size_t n = 0;
  std::vector<const GuiEntryList*> work{&entries};
  while (!work.empty()) {
    const GuiEntryList* list = work.back();
    work.pop_back();
    for (const auto& e : *list) {
      ++n;
      if (auto* b = AsBlock(e)) work.push_back(&b->entrys);
    }
  }
  return n;
}

void loadAndDraw(std::string text) {
  for (const char* away : {"..", "/dev", "/proc", "/sys"}) {
    for (auto at = text.find(away); at != std::string::npos; at = text.find(away, at)) text[at] = '_';
  }
  static const std::string cwd = [] {
    // Images and texts are named relative to bDir; scripts relative to the
    // layout's folder, where the script is copied (the working folder must
    // stay, for libFuzzer's own files).
    bDir = fuzz::ResourceDir() + "/";
    GUI_ChangeDir = 1;
    fuzz::WriteScratch(fuzz::ScratchDir() + "/script.lua", LoadBytes(fuzz::ResourceDir() + "/script.lua"));
    // A script that cannot be read ends the game; here it ends the input.
    SetEndHandler([](int) {});
    return CurrentDir();
  }();
  const std::string path = fuzz::ScratchDir() + "/fuzz.gui";
  fuzz::WriteScratch(path, text);
  // Caches that live for the whole game would grow with every input.
  if (imgTextures.size() > 16) imgTextures.clear();
  if (TMyFont::listaFontow.size() > 16) TMyFont::listaFontow.clear();
  try {
    GuiPtr gui = LoadGui(path);
    for (const auto& ob : gui->objects)
      if (!ob->standardProps || !ob->dim) __builtin_trap();
    gui->setLuaUpdate(1);
    gui->update();
    gui->draw();
  } catch (const EndRequested&) {
  }
  ChangeDir(cwd);
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The reader's diagnostics would flood the output.
  if (!std::freopen("/dev/null", "w", stdout)) return 0;
  // Text references resolve against bDir as in the game.
  bindLayers();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  TGui gui;
  gui.parseTokens(text);
  for (const auto& t : gui.tokens)
    if (t.txt.empty() || t.line < 1) __builtin_trap();
  while (!gui.tokens.empty()) {
    gui.tokens.pop_front();  // a declaration keyword, a name or a stray word
    GuiEntryList body;
    if (gui.readEntrys(body)) countEntries(body);
  }
  fuzz::OpenScreen();
  loadAndDraw(text);
  return 0;
}
