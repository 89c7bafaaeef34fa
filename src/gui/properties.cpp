#include "gui/properties.h"

namespace sorvanta {

void TProperties::copyFromProperties(const TProperties& source) {
  action = source.action;
  visible = source.visible;
  active = source.active;
  if (!dim) dim = CopyDim(source.dim);
  if (!alpha) alpha = CopyAlpha(source.alpha);
  if (!shadow) shadow = CopyShadow(source.shadow);
  if (!scale) scale = CopyScale(source.scale);
  if (!img) img = source.img;
  if (!rgb) rgb = CopyRGB(source.rgb);
  if (txt.empty()) txt = source.txt;
  if (!tAlpha) tAlpha = CopyAlpha(source.tAlpha);
  if (!tShadow) tShadow = CopyShadow(source.tShadow);
  if (!tScale) tScale = CopyScale(source.tScale);
  if (!tRgb) tRgb = CopyRGB(source.tRgb);
  if (!font) font = source.font;
  if (dimAlign == 0) dimAlign = source.dimAlign;
  url = source.url;
  fontUrl = source.fontUrl;
  stepP = source.stepP;
}

PropertiesPtr copyProperties(const PropertiesPtr& source) {
  if (!source) return nullptr;
  auto p = std::make_shared<TProperties>();
  p->copyFromProperties(*source);
  return p;
}

PropertiesPtr CreateProperties() { return std::make_shared<TProperties>(); }

int GetActionByString(const std::string& name) {
  if (name == "OVER") return 1;
  if (name == "CLICK") return 2;
  if (name == "UNACTIVE") return 3;
  return 0;
}

}  // namespace sorvanta
