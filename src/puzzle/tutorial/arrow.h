#pragma once
// The tutorial's visual aids: a breathing pointer arrow, and the step-by-step
// demonstration of a run's possible placements in one Picross row.
#include <array>
#include <memory>
#include <string>
#include <vector>

namespace sorvanta {

class TImg;

class TArrow {
 public:
  virtual ~TArrow() = default;
  float x = 0, y = 0;  // anchor on the design screen
  float p = 0;         // pulse phase 0..1
  float dP = 1;
  float a = 0;  // visibility
  float dA = 1;
  float rot = 0;  // degrees; 0 points down the screen
  int n = 0;      // which shared image

  // Both with their handle at the centre; loaded by the tutorial's set-up.
  static std::array<std::shared_ptr<TImg>, 2> img;

  virtual int draw();
  virtual int update();
  // Where the image is drawn now: the anchor moved along the arrow's own
  // direction in step with the pulse.
  float drawX() const;
  float drawY() const;
};

class TPosibility {
 public:
  virtual ~TPosibility() = default;
  std::string rowOrCol;          // only "ROW" draws
  int n = 0;                     // the row
  int interwal = 0;              // ms per step
  std::vector<std::string> pos;  // one pattern per step, one digit per cell
  int time = 0;                  // end of the current step
  int actPos = 0;
  std::string arrowTyp;  // "2_AND_1_ROW", "3_ROW" or no curves

  virtual int draw_2_and_1_row();
  virtual int draw_3_row();
  virtual int drawArrows();
  virtual int draw();
  // 1 once the last step has run out.
  virtual int update();
  virtual int reset();

  // Set when the row or a pattern reached past the board, so that it is
  // reported only once per demonstration.
  bool reportedOutside = false;
};

}  // namespace sorvanta
