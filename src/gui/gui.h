#pragma once
// A loaded layout: the widgets of one screen, the property classes they were
// built from and an optional Lua script. Screens load one with LoadGui when
// they are set up, then every frame call update(), ask clickedItem(name) for
// each button and draw() it; GetObject(name) reaches single widgets.
//
// File syntax: OBJECT name { entries }, PROPCLASS name { entries } and
// LUASCRIPT file; entries are NAME = value or NAME { entries }. Diagnostics
// for layout authors go to standard output after "ERROR: ". A layout or
// script file that cannot be read ends the program with one line naming it.
#include <list>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "gui/gui_object.h"
#include "gui/gui_parser.h"
#include "gui/properties.h"

namespace sorvanta {

class TLuaObject;

class TGui {
 public:
  std::list<GuiObjectPtr> objects;        // widgets in declaration order
  std::list<PropertiesPtr> propClasses;   // property classes in declaration order
  GuiObjectPtr over;                      // cleared at every update
  GuiObjectPtr click;                     // clicked at the last visible update
  GuiObjectPtr holded;                    // cleared at every update
  int visible = 1;
  std::string id;
  std::list<TGuiTOken> tokens;            // only while the file is read
  std::string txt;                        // tokenizer: the token being built
  int line = 0;                           // tokenizer: current line
  int quote = 0;                          // tokenizer: 1 inside double quotes
  std::string myPath;
  int mustUpdateLua = 0;
  std::shared_ptr<TLuaObject> luaObject;
  std::string remPath;

  virtual ~TGui() = default;

  void setGuiAlpha(float a);
  // Kept with the layout's interface; nothing in the game calls these two.
  void setLuaUpdate(int flag);
  void printObjects();
  void show();
  void hide();

  // Reading (gui_parser.cpp).
  void parseTokens(const std::string& text);
  void AddToken();
  // Reads a body up to its "}" into out; false when the tokens ran out or an
  // entry was malformed (the reason is printed).
  bool readEntrys(GuiEntryList& out);
  void readObjects();
  void addObject();
  void addPropClass();
  void addScript();

  // The first widget whose id equals name ignoring case, or null. A name
  // the layout lacks is reported once per layout.
  GuiObjectPtr GetObject(const std::string& name);
  PropertiesPtr GetPropertiesClass(const std::string& name) const;

  // Value readers of the keywords (gui_keywords.cpp).
  int GetObjectAlign(const std::string& value) const;
  std::shared_ptr<TImg> GetObjectGFX(const std::string& value) const;
  DimPtr GetObjectDim(const std::string& value) const;
  RGBPtr GetObjectRGB(const std::string& value) const;
  void GetObjectShadowData(const std::string& value) const;
  ScalePtr GetObjectScaleData(const std::string& value) const;
  std::string GetObjectTextData(const std::string& value) const;
  std::shared_ptr<TImageFont> GetObjectFontData(const std::string& value) const;
  ScalePtr GetTextScaleData(const std::string& value) const;
  // Does nothing; kept with the layout's interface, nothing calls it.
  void GetTextRGBData(const std::string& value) const;
  void ReadPropertiesOnly(const GuiEntryList& entries, TProperties& props);
  std::vector<PropertiesPtr> ReadProperties(const GuiEntryList& entries);
  void CheckObjectsPins();
  void CheckObjectsDims();
  std::vector<PropertiesPtr> CheckPropertiesArray(std::vector<PropertiesPtr> sets) const;
  void CheckStandardData(TProperties& props) const;
  void addPropertiesClassToList(std::vector<PropertiesPtr>& list, const std::string& name,
                                int action);
  void GiveObjectData(const PropertiesPtr& standard, std::vector<PropertiesPtr> states,
                      const std::string& id);

  // Per frame.
  void update();
  int clickedItem(const std::string& name) const;
  void draw();

  // Reads and builds the layout at path; ends the program when it cannot be read.
  void LoadMe(const std::string& path);

 private:
  GuiObjectPtr findObject(const std::string& name) const;
  std::set<std::string> reportedMissing_;
};

using GuiPtr = std::shared_ptr<TGui>;

// A new layout read from path; every call reads the file again.
GuiPtr LoadGui(const std::string& path);

// Prints "ERROR: " + text as one line on standard output.
void errorMsg(const std::string& text);

}  // namespace sorvanta
