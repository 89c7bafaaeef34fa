// Reading a layout file: the tokenizer, the entry reader and the three
// top-level declarations.
#include "gui/gui_parser.h"

#include <utility>
#include <vector>

#include "gui/gui.h"
#include "platform/strings.h"

namespace sorvanta {

TGuiBlock::~TGuiBlock() {
  // Move every nested child onto a work list first, so destroying a deep
  // tree never recurses.
  std::vector<GuiEntryPtr> pending(entrys.begin(), entrys.end());
  entrys.clear();
  while (!pending.empty()) {
    GuiEntryPtr e = std::move(pending.back());
    pending.pop_back();
    if (e.use_count() == 1) {
      if (auto* b = AsBlock(e)) {
        for (auto& child : b->entrys) pending.push_back(std::move(child));
        b->entrys.clear();
      }
    }
  }
}

GuiEntryPtr CreateGuiEntry(const std::string& name, const std::string& value) {
  auto e = std::make_shared<TGuiEntry>();
  e->name = name;
  e->value = value;
  return e;
}

void TGui::AddToken() {
  std::string t = Trim(txt);
  if (t.empty() || quote != 0) return;
  tokens.push_back(TGuiTOken{line, t});
  txt.clear();
}

void TGui::parseTokens(const std::string& text) {
  tokens.clear();
  txt.clear();
  line = 1;
  quote = 0;
  // Every character that matters is ASCII, so walking UTF-8 bytes is safe.
  for (char ch : text) {
    switch (ch) {
      case ' ':
        if (quote) txt += ch; else AddToken();
        break;
      case '\n':
        if (!quote) AddToken();
        ++line;
        break;
      case ';':
        if (!quote) AddToken();
        break;
      case '"':
        quote = quote ? 0 : 1;
        break;
      default:
        txt += ch;
    }
  }
  AddToken();
}

namespace {

struct Frame {
  GuiEntryList* entries;
  std::shared_ptr<TGuiBlock> block;  // null for the body itself
  int openLine = 0;
  int state = 0;  // 0 name, 1 '=' or '{', 2 value
  std::string name;
};

}  // namespace

bool TGui::readEntrys(GuiEntryList& out) {
  // Blocks nest without limit, so the reader keeps its own stack instead of
  // recursing.
  std::vector<Frame> stack;
  stack.push_back(Frame{&out, nullptr, 0, 0, {}});
  auto fail = [&stack]() {
    for (auto it = stack.rbegin(); it != stack.rend(); ++it)
      if (it->block) errorMsg("Not enough tokens in line " + IntToText(it->openLine) + "!");
    return false;
  };
  while (true) {
    if (tokens.empty()) return fail();
    TGuiTOken tok = std::move(tokens.front());
    tokens.pop_front();
    Frame& f = stack.back();
    if (tok.txt == "}") {
      if (!f.block) return true;
      auto block = f.block;
      stack.pop_back();
      stack.back().entries->push_back(block);
      stack.back().state = 0;
      continue;
    }
    switch (f.state) {
      case 0:
        f.name = Upper(tok.txt);
        f.state = 1;
        break;
      case 1:
        if (tok.txt == "=") {
          f.state = 2;
        } else if (tok.txt == "{") {
          auto block = std::make_shared<TGuiBlock>();
          block->name = f.name;
          stack.push_back(Frame{&block->entrys, block, tok.line, 0, {}});
        } else {
          errorMsg("Expected '=' or '{' but " + tok.txt + " found in line " +
                   IntToText(tok.line) + "!");
          return fail();
        }
        break;
      default:
        f.entries->push_back(CreateGuiEntry(f.name, tok.txt));
        f.state = 0;
    }
  }
}

void TGui::readObjects() {
  while (!tokens.empty()) {
    std::string word = Upper(tokens.front().txt);
    tokens.pop_front();
    if (word == "OBJECT") addObject();
    else if (word == "PROPCLASS") addPropClass();
    else if (word == "LUASCRIPT") addScript();
  }
  CheckObjectsDims();
  CheckObjectsPins();
}

void TGui::addObject() {
  if (tokens.size() < 3) {
    errorMsg("Not enough tokens in object declaration!");
    return;
  }
  std::string name = Upper(tokens.front().txt);
  tokens.pop_front();
  tokens.pop_front();  // the brace, taken on trust
  GuiEntryList body;
  if (!readEntrys(body)) {
    errorMsg("No data for object '" + name + "'!");
    return;
  }
  std::vector<PropertiesPtr> sets = ReadProperties(body);
  PropertiesPtr standard = sets.front();
  sets.erase(sets.begin());
  CheckStandardData(*standard);
  GiveObjectData(standard, CheckPropertiesArray(std::move(sets)), name);
}

void TGui::addPropClass() {
  if (tokens.size() < 3) return;
  std::string name = tokens.front().txt;
  tokens.pop_front();
  tokens.pop_front();
  GuiEntryList body;
  if (!readEntrys(body)) return;
  std::vector<PropertiesPtr> sets = ReadProperties(body);
  sets.front()->id = name;
  propClasses.push_back(sets.front());
}

}  // namespace sorvanta
