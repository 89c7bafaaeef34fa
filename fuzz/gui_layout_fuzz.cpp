// Feeds arbitrary bytes to the layout tokenizer and entry reader, and walks
// every parse tree read from them. Keywords are not applied: they load
// images and fonts by name.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "gui/gui.h"

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

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The reader's diagnostics would flood the output.
  if (!std::freopen("/dev/null", "w", stdout)) return 0;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TGui gui;
  gui.parseTokens(std::string(reinterpret_cast<const char*>(data), size));
  for (const auto& t : gui.tokens)
    if (t.txt.empty() || t.line < 1) __builtin_trap();
  while (!gui.tokens.empty()) {
    gui.tokens.pop_front();  // a declaration keyword, a name or a stray word
    GuiEntryList body;
    if (gui.readEntrys(body)) countEntries(body);
  }
  return 0;
}
