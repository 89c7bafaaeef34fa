#pragma once
// The compositor's span loops: one row of a quad's pixels drawn from its
// texels, or filled with one colour, picked once per draw for its filter,
// tint and blend, and for the widest loops the CPU has.
#include <cstdint>

#include "platform/soft_canvas.h"
#include "platform/soft_pixel.h"

namespace sorvanta::soft {

using SpanFn = void (*)(std::uint32_t* out, int n, const SoftPixels& texture, const SoftQuad& quad, Walk walk,
                        const Factors& factors);
using FillFn = void (*)(std::uint32_t* out, int n, std::uint32_t colour);

SpanFn PickSpan(bool filtered, TintKind tint, SoftBlend blend);
FillFn PickFill(SoftBlend blend);

}  // namespace sorvanta::soft
