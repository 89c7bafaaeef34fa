#pragma once
// The compositor's draws of a frame, kept in order and run together when
// the frame is shown or read: the frame is cut into strips of rows, taken
// by a few threads as they come free, each strip run through every draw, so
// each pixel still sees the draws in the order they were made.
#include "platform/soft_canvas.h"

namespace sorvanta {

// The target is the one the flush is given: a window's pixels may move
// between a draw and the present (a mode shown, a size changed).
void SoftQueueQuad(const SoftClip& clip, const SoftPixels& texture, const SoftQuad& quad, const SoftTint& tint,
                   SoftBlend blend);
void SoftQueueFillQuad(const SoftClip& clip, const SoftQuad& quad, const SoftTint& tint, SoftBlend blend);
void SoftQueueFillRect(const SoftClip& clip, int x0, int y0, int x1, int y1, const SoftTint& tint, SoftBlend blend);
// Runs every queued draw on the target; called before the pixels are shown
// or read, and before a texture that a draw may name changes or goes.
void SoftFlush(const SoftPixels& target);
// Drops the queued draws unrun (their target went away).
void SoftDiscard();
// The threads that draw a frame, the calling one among them (1: all on the
// calling thread); at first the CPUs the process may use, at most eight.
void SetSoftBands(int bands);
int SoftBands();

}  // namespace sorvanta
