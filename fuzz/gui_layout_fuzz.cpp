// Feeds arbitrary bytes to the layout tokenizer and entry reader, and walks
// every parse tree read from them; then reads the same tokens as a whole
// layout (property sets, classes, state sets, geometry and pins). Keywords
// that load files by name (GFX, FONT, TXT, LUASCRIPT) are renamed first:
// they would read images, fonts and scripts from anywhere.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "app/bindings.h"
#include "core/globals.h"
#include "gui/gui.h"
#include "platform/strings.h"

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

void readWholeLayout(const std::string& text) {
  TGui gui;
  gui.parseTokens(text);
  for (auto& t : gui.tokens) {
    std::string word = Upper(t.txt);
    if (word == "GFX" || word == "FONT" || word == "TXT" || word == "LUASCRIPT") t.txt = "X";
  }
  gui.readObjects();
  for (const auto& ob : gui.objects) {
    if (!ob->standardProps || !ob->dim) __builtin_trap();
    ob->update();
  }
  gui.update();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The reader's diagnostics would flood the output.
  if (!std::freopen("/dev/null", "w", stdout)) return 0;
  bDir = "/nonexistent-sorvanta-fuzz/";
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
  readWholeLayout(text);
  return 0;
}
