#include "support/demonstration_curves.h"

#include "gui/gui_types.h"
#include "puzzle/tutorial/arrow.h"

namespace sorvanta::test {

int CurveRecorder::_drawSpecArrow(float x1, float y1, float x2, float y2, float mx, float my,
                                  const std::shared_ptr<TRGB>& rgb) {
  curves.push_back({x1, y1, x2, y2, mx, my, rgb->r, rgb->g, rgb->b});
  return 0;
}

std::vector<std::array<float, 2>> DemonstrationCurveEnds(const std::string& arrowTyp, int step) {
  auto recorder = std::make_shared<CurveRecorder>();
  const auto screen = mainGame;
  mainGame = recorder;
  TPosibility demo;
  demo.arrowTyp = arrowTyp;
  demo.actPos = step;
  demo.drawArrows();
  mainGame = screen;
  std::vector<std::array<float, 2>> ends;
  for (const auto& curve : recorder->curves) ends.push_back({curve[2], curve[3]});
  return ends;
}

}  // namespace sorvanta::test
