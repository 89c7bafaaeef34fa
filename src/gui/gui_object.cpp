// A widget's size, placement, pins and state choice from the mouse.
#include "gui/gui_object.h"

#include <cmath>
#include <numbers>
#include <utility>

#include "core/design_size.h"
#include "core/globals.h"
#include "gui/img.h"
#include "gui/mouse.h"
#include "platform/font.h"
#include "platform/strings.h"

namespace sorvanta {

GuiObjectPtr TGuiObject::Create(const PropertiesPtr& standard, std::vector<PropertiesPtr> states,
                                const std::string& name) {
  auto ob = std::make_shared<TGuiObject>();
  ob->standardProps = standard;
  ob->actProps = standard;
  ob->stepDelta = standard ? standard->stepP : 1.0f;
  ob->id = name;
  ob->properties = std::move(states);
  ob->InitDim();
  return ob;
}

void TGuiObject::setState(int v, int a) {
  visible = v;
  active = a;
}

void TGuiObject::_InitDimByImg() {
  dim->w = ImgWidth(standardProps->img);
  dim->h = ImgHeight(standardProps->img);
}

void TGuiObject::_InitDimByTxt() {
  TProperties& s = *standardProps;
  if (s.font) SetImageFont(s.font);
  dim->w = static_cast<float>(TextWidth(s.txt));
  dim->h = static_cast<float>(TextHeight(s.txt));
  if (s.cutHalf != 0) {
    // The declared point becomes the caption's centre.
    s.dim->x -= dim->w / 2;
    s.dim->y -= dim->h / 2;
    dim->x -= dim->w / 2;
    dim->y -= dim->h / 2;
  }
}

void TGuiObject::InitDim() {
  if (!standardProps || dim->w != 0) return;
  if (standardProps->img) _InitDimByImg();
  else if (!standardProps->txt.empty()) _InitDimByTxt();
}

void TGuiObject::_InitPosByAlign() {
  const TProperties& s = *standardProps;
  float ax = s.addDim ? s.addDim->x : 0, ay = s.addDim ? s.addDim->y : 0;
  float w = dim->w, h = dim->h;
  float x = dim->x, y = dim->y;
  if (auto target = pinTo.lock()) {
    const TDim& p = *target->dim;
    switch (s.dimAlign) {
      case 1: x = p.x + ax; y = p.y + p.h / 2 - h / 2 + ay; break;
      case 2: x = p.x + p.w / 2 - w / 2 + ax; y = p.y + ay; break;
      case 3: x = p.x + p.w / 2 - w / 2 + ax; y = p.y + p.h - h + ay; break;
      case 4: x = p.x + p.w - w + ax; y = p.y + p.h / 2 - h / 2 + ay; break;
    }
  } else {
    const int W = kDesignWidth;
    const int H = kDesignHeight;
    float halfW = static_cast<float>(W / 2), halfH = static_cast<float>(H / 2);
    switch (s.dimAlign) {
      case 1: x = ax; y = halfH - h / 2 + ay; break;
      case 2: x = halfW - w / 2 + ax; y = ay; break;
      case 3: x = halfW - w / 2 + ax; y = static_cast<float>(H) - h + ay; break;
      case 4: x = static_cast<float>(W) - w + ax; y = halfH - h / 2 + ay; break;
    }
  }
  dim->x = x;
  dim->y = y;
}

void TGuiObject::_InitPosition() {
  const TProperties& s = *standardProps;
  if (s.dimAlign != 0) {
    _InitPosByAlign();
    return;
  }
  dim->x = s.dim->x + (s.addDim ? s.addDim->x : 0);
  dim->y = s.dim->y + (s.addDim ? s.addDim->y : 0);
  if (auto target = pinTo.lock()) {
    // The target's declared point and offset, not where it ended up.
    const TProperties& p = *target->standardProps;
    dim->x += p.dim->x + (p.addDim ? p.addDim->x : 0);
    dim->y += p.dim->y + (p.addDim ? p.addDim->y : 0);
  }
}

void TGuiObject::InitObject() {
  if (!standardProps) return;
  _InitPosition();
  dim->cx = FloatToInt(dim->x + dim->w / 2);
  dim->cy = FloatToInt(dim->y + dim->h / 2);
}

void TGuiObject::PinMeTo(const GuiObjectPtr& target) {
  if (!target) return;
  pinTo = target;
  target->objects.push_back(weak_from_this());
  InitObject();
}

PropertiesPtr TGuiObject::GetPropertiesByAction(int action) const {
  if (action == 0 && standardProps) return standardProps;
  for (const auto& p : properties)
    if (p && p->action == action) return p;
  return nullptr;
}

PropertiesPtr TGuiObject::GetPropertiesByActionString(const std::string&) const {
  return nullptr;
}

void TGuiObject::_updateOver() {
  int wasHeld = holded;
  clicked = 0;
  over = 0;
  holded = 0;
  if (!active) {
    docProps = GetPropertiesByAction(3);
    return;
  }
  if (!mouse || !mouse->inDim(*dim)) {
    dPer = 0;
    actProps = standardProps;
  } else {
    over = 1;
    if (docProps) lastAction = docProps->action;
    if (mouse->leftHolded || mouse->leftPressed) {
      docProps = GetPropertiesByAction(2);
      holded = 1;
    } else {
      docProps = GetPropertiesByAction(1);
    }
    if (docProps && docProps->action != lastAction) per = 0;
    dPer = 1;
  }
  if (wasHeld == 1 && holded == 0) clicked = 1;
}

void TGuiObject::_updatePer() {
  float step = stepDelta * delta;
  if (per < dPer) {
    per += step;
    if (per > dPer) per = dPer;
  }
  if (per > dPer) {
    per -= step;
    if (per < dPer) per = dPer;
  }
  stepPer = static_cast<float>(std::sin(per * std::numbers::pi / 2));
  if (dPer == 0 && per == 0) docProps = nullptr;
}

void TGuiObject::update() {
  _updateOver();
  _updatePer();
}

void TGuiObject::SetMyAlpha(float a) {
  if (!actProps) return;
  if (!actProps->alpha) actProps->alpha = CreateAlpha(a);
  else actProps->alpha->a = a;
}

}  // namespace sorvanta
