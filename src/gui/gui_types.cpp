#include "gui/gui_types.h"

#include "platform/image.h"
#include "platform/strings.h"
#include "platform/video.h"

namespace sorvanta {

DimPtr CreateDim(float x, float y) {
  auto d = std::make_shared<TDim>();
  d->x = x;
  d->y = y;
  return d;
}

DimPtr CreateFullDim(float x, float y, float w, float h) {
  auto d = CreateDim(x, y);
  d->w = w;
  d->h = h;
  return d;
}

RGBPtr CreateRGB(float r, float g, float b) {
  return std::make_shared<TRGB>(TRGB{r, g, b});
}

AlphaPtr CreateAlpha(float a) { return std::make_shared<TAlpha>(TAlpha{a}); }

ScalePtr CreateScale(float sx, float sy) { return std::make_shared<TScale>(TScale{sx, sy}); }

DimPtr CopyDim(const DimPtr& d) { return d ? std::make_shared<TDim>(*d) : nullptr; }
RGBPtr CopyRGB(const RGBPtr& c) { return c ? std::make_shared<TRGB>(*c) : nullptr; }
AlphaPtr CopyAlpha(const AlphaPtr& a) { return a ? std::make_shared<TAlpha>(*a) : nullptr; }
ScalePtr CopyScale(const ScalePtr& s) { return s ? std::make_shared<TScale>(*s) : nullptr; }
ShadowPtr CopyShadow(const ShadowPtr& s) { return s ? std::make_shared<TShadow>(*s) : nullptr; }

float GetFloatStep(float from, float to, float per) { return from + (to - from) * per; }

RGBPtr GetRGBStep(const TRGB& from, const TRGB& to, float per, RGBPtr out) {
  if (!out) out = std::make_shared<TRGB>();
  out->r = GetFloatStep(from.r, to.r, per);
  out->g = GetFloatStep(from.g, to.g, per);
  out->b = GetFloatStep(from.b, to.b, per);
  return out;
}

namespace {

// Quadratic curve from a through m = a + (a - b) / 2 to b.
float curvedStep(float a, float b, float per) {
  float m = a + (a - b) / 2;
  return (b - 2 * m + a) * per * per + 2 * (m - a) * per + a;
}

}  // namespace

DimPtr GetDimStep(const TDim& from, const TDim& to, float per, DimPtr out) {
  if (!out) out = std::make_shared<TDim>();
  out->x = curvedStep(from.x, to.x, per);
  out->y = curvedStep(from.y, to.y, per);
  return out;
}

void SetScaleByPer(const TScale& from, const TScale& to, float per) {
  SetScale(GetFloatStep(from.sx, to.sx, per), GetFloatStep(from.sy, to.sy, per));
}

void SetColorRgb(const TRGB& c) { SetColor(FloatToInt(c.r), FloatToInt(c.g), FloatToInt(c.b)); }

float setProperScale(const std::shared_ptr<TImage>& image, float maxW, float maxH) {
  float w = static_cast<float>(ImageWidth(image));
  float h = static_cast<float>(ImageHeight(image));
  float scale = 1;
  if (w > maxW || h > maxH) {
    float sx = w > maxW ? maxW / w : 1;
    float sy = h > maxH ? maxH / h : 1;
    scale = w > h ? sx : sy;
  }
  SetScale(scale, scale);
  return scale;
}

}  // namespace sorvanta
