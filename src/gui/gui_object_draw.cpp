// How a widget paints itself: its image, then its caption, each either in
// the standard look (S) or mixing it with the target look (T) by stepPer.
// A target with its own image (or caption or font) is cross-faded over the
// standard one; a target with values only is interpolated toward.
#include "gui/gui_object.h"

#include "gui/img.h"
#include "platform/font.h"
#include "platform/video.h"

namespace sorvanta {

namespace {

template <class Field>
auto pick(const TProperties* p, const TProperties& s, Field f) {
  return (p && p->*f) ? p->*f : s.*f;
}

}  // namespace

// ---- one set's values, falling back to the standard set --------------------

void TGuiObject::_drawObjectScale(const TProperties* p) {
  if (auto sc = pick(p, *standardProps, &TProperties::scale))
    SetScale(sc->sx * scaleX, sc->sy * scaleY);
}

void TGuiObject::_drawObjectAlpha(const TProperties* p, float f) {
  if (auto a = pick(p, *standardProps, &TProperties::alpha)) SetAlpha(a->a * alpha * f);
}

void TGuiObject::_drawObjectRGB(const TProperties* p) {
  if (auto c = pick(p, *standardProps, &TProperties::rgb)) SetColorRgb(*c);
}

void TGuiObject::_drawTextScale(const TProperties* p) {
  if (auto sc = pick(p, *standardProps, &TProperties::tScale))
    SetScale(sc->sx * scaleX, sc->sy * scaleY);
}

void TGuiObject::_drawTextAlpha(const TProperties* p, float f) {
  if (auto a = pick(p, *standardProps, &TProperties::tAlpha)) SetAlpha(a->a * alpha * f);
  else SetAlpha(alpha * f);
}

void TGuiObject::_drawTextRGB(const TProperties* p) {
  if (auto c = pick(p, *standardProps, &TProperties::tRgb)) SetColorRgb(*c);
}

void TGuiObject::_drawTextFont(const TProperties* p) {
  if (auto f = pick(p, *standardProps, &TProperties::font)) SetImageFont(f);
}

// ---- values interpolated from S toward T ----------------------------------

// The image and the caption interpolate the same way, each from its own
// fields of the two sets.
void TGuiObject::properScaleOf(ScalePtr TProperties::*field) {
  const ScalePtr& from = (*standardProps).*field;
  const ScalePtr& to = (*docProps).*field;
  if (to && from) SetScaleByPer(*from, *to, stepPer);
  else if (from) SetScale(from->sx * scaleX, from->sy * scaleY);
}

void TGuiObject::properRGBOf(RGBPtr TProperties::*field) {
  const RGBPtr& from = (*standardProps).*field;
  const RGBPtr& to = (*docProps).*field;
  if (to && from) SetColorRgb(*GetRGBStep(*from, *to, stepPer));
  else if (from) SetColorRgb(*from);
}

void TGuiObject::properAlphaOf(AlphaPtr TProperties::*field) {
  const AlphaPtr& from = (*standardProps).*field;
  const AlphaPtr& to = (*docProps).*field;
  if (!from) return;
  if (to) SetAlpha(GetFloatStep(from->a, to->a, stepPer) * alpha);
  else SetAlpha(from->a * alpha);
}

void TGuiObject::_drawProperScale() { properScaleOf(&TProperties::scale); }
void TGuiObject::_drawProperRGB() { properRGBOf(&TProperties::rgb); }
void TGuiObject::_drawProperAlpha() { properAlphaOf(&TProperties::alpha); }
void TGuiObject::_drawProperTextScale() { properScaleOf(&TProperties::tScale); }
void TGuiObject::_drawProperTextRGB() { properRGBOf(&TProperties::tRgb); }
void TGuiObject::_drawProperTextAlpha() { properAlphaOf(&TProperties::tAlpha); }

// ---- image ----------------------------------------------------------------

void TGuiObject::_drawOnlyProps() {
  const TProperties& s = *standardProps;
  _drawObjectScale(&s);
  _drawObjectAlpha(&s, 1);
  _drawObjectRGB(&s);
  if (s.img) DrawImg(s.img, static_cast<float>(dim->cx), static_cast<float>(dim->cy));
}

void TGuiObject::_drawNormalImages() {
  const TProperties& s = *standardProps;
  const TProperties& t = *docProps;
  SetBlend(ALPHABLEND);
  _drawObjectScale(&s);
  _drawObjectAlpha(&s, 1);
  _drawObjectRGB(&s);
  float sx = s.addDim ? s.addDim->x : 0, sy = s.addDim ? s.addDim->y : 0;
  if (s.img) DrawImg(s.img, dim->cx + sx, dim->cy + sy);
  _drawObjectScale(&t);
  _drawObjectAlpha(&t, stepPer);
  _drawObjectRGB(&t);
  float tx = t.addDim ? t.addDim->x : 0, ty = t.addDim ? t.addDim->y : 0;
  DrawImg(t.img, dim->cx + tx, dim->cy + ty);
}

void TGuiObject::_drawImageStep() {
  const TProperties& s = *standardProps;
  _drawProperScale();
  _drawProperRGB();
  _drawProperAlpha();
  float sx = s.addDim ? s.addDim->x : 0, sy = s.addDim ? s.addDim->y : 0;
  DrawImg(s.img, dim->cx + sx, dim->cy + sy);
}

void TGuiObject::_drawImage() {
  if (!docProps) _drawOnlyProps();
  else if (docProps->img) _drawNormalImages();
  else if (standardProps->img) _drawImageStep();
}

// ---- caption --------------------------------------------------------------

void TGuiObject::_drawMyText(const std::string& text, float x, float y) {
  DrawText(text, x - TextWidth(text) / 2, y - TextHeight(text) / 2);
}

void TGuiObject::_drawStandardCaption() {
  const TProperties& s = *standardProps;
  float ox = s.addTextDim ? s.addTextDim->x : 0, oy = s.addTextDim ? s.addTextDim->y : 0;
  _drawMyText(s.txt, dim->cx + ox, dim->cy + oy);
}

void TGuiObject::_drawTextProps() {
  const TProperties& s = *standardProps;
  if (s.txt.empty()) return;
  _drawTextScale(&s);
  _drawTextAlpha(&s, 1);
  _drawTextRGB(&s);
  _drawTextFont(&s);
  _drawStandardCaption();
}

void TGuiObject::_drawNormalTexts() {
  const TProperties& s = *standardProps;
  const TProperties& t = *docProps;
  SetBlend(ALPHABLEND);
  if (!s.txt.empty()) {
    _drawTextScale(&s);
    _drawTextAlpha(&s, 1 - stepPer);
    _drawTextRGB(&s);
    _drawTextFont(&s);
    _drawStandardCaption();
  }
  if (t.txt.empty() && s.txt.empty()) return;
  _drawTextScale(&t);
  _drawTextAlpha(&t, stepPer);
  _drawTextRGB(&t);
  _drawTextFont(&t);
  if (!t.txt.empty()) {
    float ox = t.addTextDim ? t.addTextDim->x : 0, oy = t.addTextDim ? t.addTextDim->y : 0;
    _drawMyText(t.txt, dim->cx + ox, dim->cy + oy);
  } else {
    _drawStandardCaption();
  }
}

void TGuiObject::_drawTextStep() {
  const TProperties& s = *standardProps;
  _drawProperTextScale();
  _drawProperTextRGB();
  _drawProperTextAlpha();
  if (s.font) SetImageFont(s.font);
  _drawStandardCaption();
}

void TGuiObject::_drawText() {
  if (!docProps) _drawTextProps();
  else if (!docProps->txt.empty() || docProps->font) _drawNormalTexts();
  else if (!standardProps->txt.empty()) _drawTextStep();
}

void TGuiObject::draw() {
  if (!visible || !standardProps) return;
  SetRotation(0);
  SetBlend(ALPHABLEND);
  _drawImage();
  SetColor(255, 255, 255);
  _drawText();
}

}  // namespace sorvanta
