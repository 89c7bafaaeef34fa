#pragma once
// The look of one widget in one state (standard, OVER, CLICK, UNACTIVE), and
// the named property classes of a layout, which are the same records.
#include <memory>
#include <string>

#include "gui/gui_types.h"

namespace sorvanta {

class TImg;
class TImageFont;

class TProperties {
 public:
  std::string id;   // class name; empty in a widget's own sets
  int action = 0;   // 0 standard, 1 OVER, 2 CLICK, 3 UNACTIVE
  int visible = 0;  // carried and copied only
  int active = 0;   // carried and copied only
  DimPtr dim = CreateDim(0, 0);
  int dimAlign = 0;  // 0 none, 1 LEFT, 2 UP, 3 DOWN, 4 RIGHT
  DimPtr addDim;
  DimPtr addTextDim;
  AlphaPtr alpha;
  ShadowPtr shadow;
  ScalePtr scale;
  std::shared_ptr<TImg> img;  // shared with the image cache, never copied
  RGBPtr rgb;
  std::string txt;  // the caption; empty means none
  AlphaPtr tAlpha;
  ShadowPtr tShadow;
  ScalePtr tScale;
  RGBPtr tRgb;
  std::shared_ptr<TImageFont> font;  // shared with the font cache
  std::string onClick;
  std::string onOver;
  std::string pinToString;
  std::string url;
  std::string fontUrl;
  float stepP = 1.0f;
  int cutHalf = 0;

  virtual ~TProperties() = default;

  // Takes from source what this set lacks (records copied, image and font
  // shared); action, visible, active, url, fontUrl and stepP always.
  virtual void copyFromProperties(const TProperties& source);
};

using PropertiesPtr = std::shared_ptr<TProperties>;

// A new set filled from source, or null for a null source.
PropertiesPtr copyProperties(const PropertiesPtr& source);
// Kept with the properties' interface; nothing in the game calls it.
PropertiesPtr CreateProperties();

// "OVER" 1, "CLICK" 2, "UNACTIVE" 3, anything else 0 (exact comparison).
int GetActionByString(const std::string& name);

}  // namespace sorvanta
