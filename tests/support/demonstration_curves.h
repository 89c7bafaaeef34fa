#pragma once
// The curves a row demonstration draws, caught where the play screen would
// have drawn them.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "puzzle/play/main_game.h"

namespace sorvanta::test {

// A play screen that keeps every curve it is asked to draw: start, end,
// control point and colour.
struct CurveRecorder : TMainGame {
  std::vector<std::vector<float>> curves;
  int _drawSpecArrow(float x1, float y1, float x2, float y2, float mx, float my,
                     const std::shared_ptr<TRGB>& rgb) override;
};

// The end points of a demonstration step's curves, in drawing order: none
// for steps from 3 on or another arrow set. The tutorial levels are laid out
// so that each curve ends on a cell of the run it stands for.
std::vector<std::array<float, 2>> DemonstrationCurveEnds(const std::string& arrowTyp, int step);

}  // namespace sorvanta::test
