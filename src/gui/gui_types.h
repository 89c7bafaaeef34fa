#pragma once
// Small value records of the layout-driven GUI: rectangles, colours, alphas,
// scales and shadows, with the helpers that make, copy and blend them.
#include <memory>

namespace sorvanta {

class TImage;

// A rectangle in virtual 1024x768 pixels; cx, cy is its whole-pixel centre.
// In property sets only x and y are used, as an offset.
struct TDim {
  float x = 0, y = 0, w = 0, h = 0;
  int cx = 0, cy = 0;
};

// Offset and alpha of a shadow; carried and copied, never drawn.
struct TShadow {
  float x = 0, y = 0, a = 0;
};

// An alpha from 0 (transparent) to 1 (opaque).
struct TAlpha {
  float a = 0;
};

// Horizontal and vertical drawing scale; 1 is natural size.
struct TScale {
  float sx = 0, sy = 0;
};

// Colour channels on the scale 0..255, kept as floats so blends stay exact.
struct TRGB {
  float r = 0, g = 0, b = 0;
};

using DimPtr = std::shared_ptr<TDim>;
using ShadowPtr = std::shared_ptr<TShadow>;
using AlphaPtr = std::shared_ptr<TAlpha>;
using ScalePtr = std::shared_ptr<TScale>;
using RGBPtr = std::shared_ptr<TRGB>;

DimPtr CreateDim(float x, float y);
// Kept with the records' interface; nothing in the game calls it.
DimPtr CreateFullDim(float x, float y, float w, float h);
RGBPtr CreateRGB(float r, float g, float b);
AlphaPtr CreateAlpha(float a);
ScalePtr CreateScale(float sx, float sy);

// Each copy makes a new record; a null source gives null.
DimPtr CopyDim(const DimPtr& d);
RGBPtr CopyRGB(const RGBPtr& c);
AlphaPtr CopyAlpha(const AlphaPtr& a);
ScalePtr CopyScale(const ScalePtr& s);
ShadowPtr CopyShadow(const ShadowPtr& s);

// from + (to - from) * per; per is not clamped.
float GetFloatStep(float from, float to, float per);
// Channel-wise linear step written into out (a new record when out is null).
RGBPtr GetRGBStep(const TRGB& from, const TRGB& to, float per, RGBPtr out = nullptr);
// x and y of out follow a curve that first backs away from the target, then
// overshoots the straight line to land on it; w, h, cx, cy of out are kept.
// Kept with the records' interface; nothing in the game calls it.
DimPtr GetDimStep(const TDim& from, const TDim& to, float per, DimPtr out = nullptr);

// Pass a linear scale step or a colour (channels truncated) to the drawing state.
void SetScaleByPer(const TScale& from, const TScale& to, float per);
void SetColorRgb(const TRGB& c);

// The scale that fits an image into maxW x maxH by its longer side; it is set
// on both axes and returned. A null image counts as 0 x 0. Kept with the
// records' interface; nothing in the game calls it.
float setProperScale(const std::shared_ptr<TImage>& image, float maxW, float maxH);

}  // namespace sorvanta
