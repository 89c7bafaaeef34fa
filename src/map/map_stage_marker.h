#pragma once
// A catalogue stage as a marker on the map: its unlock animation (the flag
// fading in inside a turning ring of sparks, with the "unlock" sound once per
// stage and run), the hover test, and the drawing of icon, hover image and
// title. The state lives on the TStage itself, shared by every player of a run.
#include <memory>

namespace sorvanta {

class TImageFont;
class TStage;

// Unlock step per frame: the sparks come in bursts this far apart (ms).
inline constexpr int kUnlockBurstMs = 10;
inline constexpr int kUnlockSparks = 7;
inline constexpr float kUnlockRate = 0.005f;  // of unlockPer per unit of delta

// One frame of the marker; replay (the cheat key, read once a frame by the
// map) starts the animation again. 1 when the mouse is over the icon.
int stageUpdate(TStage& stage, bool replay);
// The sound when the animation starts, the ramp, and the sparks while it runs.
void stageUpdateUnlock(TStage& stage);
// Turns the ring and throws a burst when its deadline has passed.
void stageUpdateUnlockEffect(TStage& stage);
// The icon's rectangle, centred on the stage's point, edges included.
int stageUpdateOver(const TStage& stage);

void stageDraw(const TStage& stage);
void stageDrawOver(const TStage& stage);
// The title on a dark label, below the marker, kept on the map horizontally;
// white for the stage under the mouse, else yellow.
void stageDrawTitle(const TStage& stage, int over, const std::shared_ptr<TImageFont>& font);
// The dark label under a title, in that font: left, top, width, height.
struct TTitleLabel {
  float x, y, w, h;
};
TTitleLabel stageTitleLabel(const TStage& stage, const std::shared_ptr<TImageFont>& font);

// The centre of a title of width w meant for cx, moved onto the map when its
// label would run off the left side, then when it would run off the right.
int titleCentre(int cx, int w);

}  // namespace sorvanta
