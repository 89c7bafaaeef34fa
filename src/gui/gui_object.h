#pragma once
// One widget of a loaded layout: a button, a picture or a caption. It sizes
// itself from its image or caption, places itself by its declared point,
// ALIGN and PINTO, follows the mouse into its OVER, CLICK and UNACTIVE looks
// with an eased blend, and raises `clicked` for one update when a click
// completes (the button released over it, or the pointer leaving it held).
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "gui/gui_types.h"
#include "gui/properties.h"

namespace sorvanta {

class TGuiObject;
using GuiObjectPtr = std::shared_ptr<TGuiObject>;

class TGuiObject : public std::enable_shared_from_this<TGuiObject> {
 public:
  PropertiesPtr standardProps;  // the standard set (action 0)
  PropertiesPtr actProps;       // the set a blend starts from: the standard set
  PropertiesPtr docProps;       // the target set of the current state, or null
  std::vector<PropertiesPtr> properties;  // state sets in file order
  DimPtr dim = std::make_shared<TDim>();  // computed rectangle and centre
  float per = 0;       // blend progress toward dPer
  float dPer = 0;      // 1 while a state look is wanted
  float stepPer = 0;   // eased blend factor used when drawing
  float stepDelta = 1.0f;
  float scaleX = 1.0f, scaleY = 1.0f;
  std::string id;
  int visible = 1;
  int active = 1;
  float alpha = 1.0f;  // widget-wide alpha factor (the layout's alpha)
  // Pins are weak: the layout owns every widget, and two widgets may name
  // each other.
  std::list<std::weak_ptr<TGuiObject>> objects;  // widgets pinned to this one
  std::weak_ptr<TGuiObject> pinTo;  // the widget this one is pinned to
  int over = 0;
  int clicked = 0;
  int holded = 0;
  int lastAction = 0;

  TGuiObject() = default;
  virtual ~TGuiObject() = default;

  // Made by the layout reader: both sets are the standard set, then sized.
  static GuiObjectPtr Create(const PropertiesPtr& standard,
                             std::vector<PropertiesPtr> states,
                             const std::string& id);

  void setState(int visible, int active);
  void _InitPosByAlign();
  void _InitPosition();
  void _InitDimByImg();
  void _InitDimByTxt();
  void InitDim();
  void InitObject();
  void PinMeTo(const GuiObjectPtr& target);
  PropertiesPtr GetPropertiesByAction(int action) const;
  // Always null; kept with the widget's interface, nothing calls it.
  PropertiesPtr GetPropertiesByActionString(const std::string& name) const;

  // Drawing (gui_object_draw.cpp).
  void _drawObjectScale(const TProperties* p);
  void _drawObjectAlpha(const TProperties* p, float f);
  void _drawObjectRGB(const TProperties* p);
  void _drawNormalImages();
  void _drawOnlyProps();
  void _drawProperScale();
  void _drawProperRGB();
  void _drawProperAlpha();
  void _drawImageStep();
  void _drawImage();
  void _drawMyText(const std::string& text, float x, float y);
  void _drawTextScale(const TProperties* p);
  void _drawTextAlpha(const TProperties* p, float f);
  void _drawTextRGB(const TProperties* p);
  void _drawTextFont(const TProperties* p);
  void _drawNormalTexts();
  void _drawTextProps();
  void _drawProperTextScale();
  void _drawProperTextRGB();
  void _drawProperTextAlpha();
  void properScaleOf(ScalePtr TProperties::*field);
  void properRGBOf(RGBPtr TProperties::*field);
  void properAlphaOf(AlphaPtr TProperties::*field);
  void _drawTextStep();
  void _drawText();
  void draw();

  void _updateOver();
  void _updatePer();
  void update();
  // Replaces the alpha of the standard set (the set every blend starts from).
  void SetMyAlpha(float a);

 private:
  void _drawStandardCaption();
};

}  // namespace sorvanta
