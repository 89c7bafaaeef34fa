// The tutorial arrow's bob and fade, and the row demonstration's steps,
// shading and curves.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "puzzle/play_test_support.h"
#include "puzzle/tutorial/arrow.h"
#include "support/demonstration_curves.h"

namespace sorvanta {
namespace {

TEST(TutorialArrow, BobsUpTo25PxAlongItsDirectionAndFades) {
  struct Row {
    float rot;
    float dx, dy;  // the offset at the top of the pulse
  } rows[] = {{0, 0, 25}, {90, -25, 0}, {180, 0, -25}, {270, 25, 0}};
  delta = 1;
  for (const auto& row : rows) {
    TArrow arrow;
    arrow.x = 100, arrow.y = 200, arrow.rot = row.rot;
    EXPECT_NEAR(arrow.drawX(), 100, 1e-3);
    EXPECT_NEAR(arrow.drawY(), 200, 1e-3);
    int frames = 0;
    while (arrow.dP == 1 && frames < 30) arrow.update(), ++frames;
    EXPECT_NEAR(frames, 20, 1) << "turns back at the top";
    EXPECT_EQ(arrow.a, 1.0f);
    EXPECT_NEAR(arrow.drawX(), 100 + row.dx, 1e-3) << row.rot;
    EXPECT_NEAR(arrow.drawY(), 200 + row.dy, 1e-3) << row.rot;
    while (arrow.dP == 0 && frames < 60) arrow.update(), ++frames;
    EXPECT_NEAR(arrow.drawY(), 200, 1e-3) << "and back";
  }
}

using test::CurveRecorder;

struct CellCountingShade : TATile {
  int shaded = 0;
  int drawPosibility() override { return ++shaded, 0; }
};

class RowDemonstration : public test::PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    recorder = std::make_shared<CurveRecorder>();
    recorder->level = std::make_shared<TLevel>();
    recorder->level->tryb = 1;
    recorder->level->atiles.reset(2, 4);
    for (int r = 0; r < 2; ++r)
      for (int c = 0; c < 4; ++c) {
        auto cell = std::make_shared<CellCountingShade>();
        cell->r = r, cell->c = c;
        recorder->level->atiles.set(r, c, cell);
      }
    mainGame = recorder;
  }
  int Shaded(int r, int c) {
    return std::static_pointer_cast<CellCountingShade>(recorder->level->atiles.get(r, c))->shaded;
  }
  std::shared_ptr<CurveRecorder> recorder;
};

TEST_F(RowDemonstration, OnePatternOfASecondThenFinishes) {
  TPosibility demo;
  demo.pos = {"1"};
  demo.interwal = 1000;
  demo.reset();
  world.h().AdvanceClock(1000);
  EXPECT_EQ(demo.update(), 0) << "due after the full interval";
  world.h().AdvanceClock(1);
  EXPECT_EQ(demo.update(), 1);
}

TEST_F(RowDemonstration, ShadesUnlitCellsAndDrawsItsCurvesForTheFirstThreeSteps) {
  recorder->level->atiles.get(1, 2)->lightUPa = 0.5f;  // glowing: never shaded
  TPosibility demo;
  demo.rowOrCol = "ROW";
  demo.n = 1;
  demo.arrowTyp = "2_AND_1_ROW";
  demo.pos = {"1101", "0a11", "", "1111", "11111"};
  const std::vector<std::vector<int>> shadedPerStep = {
      {1, 1, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 0}, {1, 1, 0, 1}, {1, 1, 0, 1}};
  const std::vector<size_t> curvesPerStep = {2, 2, 0, 0, 0};
  for (int step = 0; step < 5; ++step) {
    demo.actPos = step;
    for (const auto& cell : recorder->level->atiles.all())
      std::static_pointer_cast<CellCountingShade>(cell)->shaded = 0;
    recorder->curves.clear();
    const auto out = test::StdoutLines([&] { demo.draw(); });
    std::vector<int> shaded;
    for (int c = 0; c < 4; ++c) shaded.push_back(Shaded(1, c));
    EXPECT_EQ(shaded, shadedPerStep[step]) << "step " << step;
    EXPECT_EQ(Shaded(0, 0), 0);
    EXPECT_EQ(recorder->curves.size(), curvesPerStep[step]) << "step " << step;
    EXPECT_EQ(out.size(), step == 4 ? 1u : 0u) << "a pattern past the row's end is reported once";
  }
  // The first curve of step 0: cyan, pulled 60 px above its start, halfway across.
  demo.actPos = 0;
  recorder->curves.clear();
  demo.draw();
  EXPECT_EQ(recorder->curves[0], (std::vector<float>{258, 331, 356, 346, 307, 271, 0, 255, 255}));
  demo.arrowTyp = "3_ROW";
  demo.pos[2] = "1";
  demo.actPos = 2;
  recorder->curves.clear();
  demo.draw();
  EXPECT_EQ(recorder->curves, (std::vector<std::vector<float>>{{302, 370, 500, 386, 401, 310, 255, 0, 0}}));
  demo.rowOrCol = "COL";
  recorder->curves.clear();
  demo.draw();
  EXPECT_TRUE(recorder->curves.empty());
}

}  // namespace
}  // namespace sorvanta
