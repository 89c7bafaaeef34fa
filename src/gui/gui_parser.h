#pragma once
// Tokens and the parse tree of a layout (".gui") file. A tree lives only
// while one declaration is being read.
#include <list>
#include <memory>
#include <string>

namespace sorvanta {

// One token: its text (trimmed, never empty) and the line it ends on.
struct TGuiTOken {
  int line = 0;
  std::string txt;
};

// A leaf entry "NAME = value"; the name is upper-cased.
class TGuiEntry {
 public:
  std::string name;
  std::string value;
  virtual ~TGuiEntry() = default;
};

using GuiEntryPtr = std::shared_ptr<TGuiEntry>;
using GuiEntryList = std::list<GuiEntryPtr>;

// A block entry "NAME { entries }".
class TGuiBlock : public TGuiEntry {
 public:
  GuiEntryList entrys;
  // Frees nested blocks without recursion, so any depth of nesting is safe.
  ~TGuiBlock() override;
};

GuiEntryPtr CreateGuiEntry(const std::string& name, const std::string& value);

// The block inside e, or null when e is a leaf.
inline TGuiBlock* AsBlock(const GuiEntryPtr& e) { return dynamic_cast<TGuiBlock*>(e.get()); }

}  // namespace sorvanta
