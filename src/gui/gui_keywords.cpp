// What the entries of an OBJECT or PROPCLASS body mean: keywords, property
// sets, the defaults of a widget's standard set, and the two passes run after
// a whole layout is read (geometry, then pins).
#include <utility>

#include "core/globals.h"
#include "formats/text_utils.h"
#include "formats/txt_file.h"
#include "gui/gui.h"
#include "gui/img.h"
#include "gui/my_font.h"
#include "platform/strings.h"

namespace sorvanta {

namespace {

std::vector<std::string> pieces(const std::string& value) {
  return rozbijTekst(value, " ", "", "");
}

}  // namespace

int TGui::GetObjectAlign(const std::string& value) const {
  std::string v = Upper(value);
  if (v == "LEFT") return 1;
  if (v == "UP") return 2;
  if (v == "DOWN") return 3;
  if (v == "RIGHT") return 4;
  return 0;
}

std::shared_ptr<TImg> TGui::GetObjectGFX(const std::string& value) const {
  auto img = LoadImg2(bDir + value, -1);
  if (img) MidHandleImg(img);
  return img;
}

DimPtr TGui::GetObjectDim(const std::string& value) const {
  DimPtr d = CreateDim(0, 0);
  float* fields[] = {&d->x, &d->y, &d->w, &d->h};
  auto p = pieces(value);
  for (size_t i = 0; i < p.size() && i < 4; ++i)
    *fields[i] = static_cast<float>(TextToFloat(p[i]));
  return d;
}

RGBPtr TGui::GetObjectRGB(const std::string& value) const {
  RGBPtr c = CreateRGB(255, 255, 255);
  float* fields[] = {&c->r, &c->g, &c->b};
  auto p = pieces(value);
  for (size_t i = 0; i < p.size() && i < 3; ++i)
    *fields[i] = static_cast<float>(TextToInt(p[i]));
  return c;
}

void TGui::GetObjectShadowData(const std::string& value) const {
  // Shadows are read and dropped: nothing draws them.
  (void)pieces(value);
}

ScalePtr TGui::GetObjectScaleData(const std::string& value) const {
  auto p = pieces(value);
  if (p.size() < 2) return nullptr;
  return CreateScale(static_cast<float>(TextToFloat(p[0])),
                     static_cast<float>(TextToFloat(p[1])));
}

std::string TGui::GetObjectTextData(const std::string& value) const {
  // "[file|n]" names line n of a text file; anything else is the caption.
  // A reference without "|" has no line to name, so it stays as written.
  if (Len(value) > 5 && value.front() == '[' && value.back() == ']' &&
      value.find('|') != std::string::npos)
    return ReadTextFromFile(value);
  return value;
}

std::shared_ptr<TImageFont> TGui::GetObjectFontData(const std::string& value) const {
  auto p = rozbijTekst(value, "|", "", "");
  if (p.size() < 2) return nullptr;  // no size: no font
  return myLoadImageFont(p[0], TextToInt(p[1]));
}

ScalePtr TGui::GetTextScaleData(const std::string& value) const {
  return GetObjectScaleData(value);
}

void TGui::GetTextRGBData(const std::string&) const {}

void TGui::ReadPropertiesOnly(const GuiEntryList& entries, TProperties& s) {
  for (const auto& e : entries) {
    if (AsBlock(e)) continue;
    const std::string& k = e->name;
    const std::string& v = e->value;
    if (k == "PROPCLASS") {
      if (auto cls = GetPropertiesClass(v)) s.copyFromProperties(*cls);
      else errorMsg("Couldn't find properties class '" + v + "'!");
    } else if (k == "GFX") {
      s.img = GetObjectGFX(v);
    } else if (k == "POSITION") {
      s.dim = GetObjectDim(v);
    } else if (k == "RGB") {
      s.rgb = GetObjectRGB(v);
    } else if (k == "SHADOW") {
      GetObjectShadowData(v);
    } else if (k == "SCALE") {
      if (auto sc = GetObjectScaleData(v)) s.scale = sc;
    } else if (k == "TXT") {
      s.txt = GetObjectTextData(v);
    } else if (k == "FONT") {
      s.font = GetObjectFontData(v);
    } else if (k == "ALPHA") {
      s.alpha = CreateAlpha(static_cast<float>(TextToFloat(v)));
    } else if (k == "TEXTALPHA") {
      s.tAlpha = CreateAlpha(static_cast<float>(TextToFloat(v)));
    } else if (k == "TEXTSCALE") {
      if (auto sc = GetTextScaleData(v)) s.tScale = sc;
    } else if (k == "TEXTRGB") {
      s.tRgb = GetObjectRGB(v);
    } else if (k == "STEPDELTA") {
      s.stepP = static_cast<float>(TextToFloat(v));
    } else if (k == "LUAONCLICK") {
      s.onClick = v;
    } else if (k == "LUAONOVER") {
      s.onOver = v;
    } else if (k == "ADDDIM") {
      s.addDim = GetObjectDim(v);
    } else if (k == "ADDTEXTDIM") {
      s.addTextDim = GetObjectDim(v);
    } else if (k == "ALIGN") {
      s.dimAlign = GetObjectAlign(v);
    } else if (k == "PINTO") {
      s.pinToString = v;
    } else if (k == "CUTHALF") {
      s.cutHalf = TextToInt(v);
    }
  }
}

void TGui::addPropertiesClassToList(std::vector<PropertiesPtr>& list, const std::string& name,
                                    int action) {
  PropertiesPtr cls = GetPropertiesClass(Upper(name));
  if (!cls) {
    errorMsg("Couldn't find properties class '" + name + "'!");
    return;
  }
  PropertiesPtr copy = copyProperties(cls);
  copy->action = action;
  list.push_back(copy);
}

std::vector<PropertiesPtr> TGui::ReadProperties(const GuiEntryList& entries) {
  std::vector<PropertiesPtr> sets;
  auto standard = std::make_shared<TProperties>();
  ReadPropertiesOnly(entries, *standard);
  standard->action = 0;
  sets.push_back(standard);
  for (const auto& e : entries) {
    if (auto* block = AsBlock(e)) {
      auto state = std::make_shared<TProperties>();
      ReadPropertiesOnly(block->entrys, *state);
      state->action = GetActionByString(block->name);
      sets.push_back(state);
    } else if (e->name == "OVER" || e->name == "CLICK" || e->name == "UNACTIVE") {
      addPropertiesClassToList(sets, e->value, GetActionByString(e->name));
    }
  }
  return sets;
}

void TGui::CheckStandardData(TProperties& s) const {
  if (!s.rgb) s.rgb = CreateRGB(255, 255, 255);
  if (!s.scale) s.scale = CreateScale(1, 1);
  if (!s.alpha) s.alpha = CreateAlpha(1);
  if (!s.addDim) s.addDim = CreateDim(0, 0);
  if (!s.txt.empty()) {
    if (!s.tScale) s.tScale = CreateScale(1, 1);
    if (!s.tAlpha) s.tAlpha = CreateAlpha(1);
    if (!s.tRgb) s.tRgb = CreateRGB(255, 255, 255);
  }
}

std::vector<PropertiesPtr> TGui::CheckPropertiesArray(std::vector<PropertiesPtr> sets) const {
  return sets;
}

void TGui::CheckObjectsDims() {
  for (auto& ob : objects) ob->InitObject();
}

void TGui::CheckObjectsPins() {
  for (auto& ob : objects) {
    const std::string& target = ob->standardProps->pinToString;
    if (!target.empty()) ob->PinMeTo(findObject(target));
  }
}

}  // namespace sorvanta
