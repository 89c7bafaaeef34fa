#include "effects/particle.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/globals.h"
#include "effects/particle_factories.h"
#include "platform/clock.h"
#include "platform/image.h"
#include "platform/pixmap.h"
#include "platform/random.h"
#include "platform/trig.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

class Particles : public ::testing::Test {
 protected:
  void SetUp() override {
    particlesList.clear();
    TParticle::img.clear();
    for (int k = 0; k < 10; ++k) TParticle::img.push_back(LoadImage(CreatePixmap(10 + k, 4)));
    SetTestClock([this] { return now_; });
  }
  int now_ = 1000;
};

TEST_F(Particles, AgeCountsFromTheFirstFrameAtOrAfterTheDelayAndEndsPastTheLife) {
  struct Step {
    int at;
    bool listed;     // still in its list after the frame
    float lifePer;   // -1: not yet born
  };
  struct Case {
    const char* what;
    int delay, life;
    std::vector<Step> steps;
  } cases[] = {
      {"delayed", 100, 200, {{1050, true, -1}, {1120, true, 0}, {1220, true, 0.5f}, {1320, true, 1}, {1321, false, 1}}},
      {"zero life ends at once", 0, 0, {{1000, false, 1}}},
      {"negative life ends at once", 0, -5, {{1040, false, 1}}},
  };
  for (const Case& k : cases) {
    TEffectList<TParticle> own;
    now_ = 1000;
    auto p = createParticle(1, 10, 20, 110, 20, 60, 20, TRGB{255, 255, 255}, 1, 0, 1, 2, 0, 90, 4, k.delay,
                            k.life, &own);
    for (const Step& s : k.steps) {
      now_ = s.at;
      _drawParticles(nullptr);  // the default list leaves this one alone
      ASSERT_EQ(own.size(), 1u) << k.what;
      _drawParticles(&own);
      EXPECT_EQ(!own.empty(), s.listed) << k.what << " at " << s.at;
      if (s.lifePer < 0) {
        EXPECT_EQ(p->x, 0) << k.what << " moved before its start";
        continue;
      }
      EXPECT_FLOAT_EQ(p->lifePer, s.lifePer) << k.what << " at " << s.at;
      EXPECT_FLOAT_EQ(p->x, 10 + 100 * s.lifePer) << k.what << " at " << s.at;
      EXPECT_FLOAT_EQ(p->s, 1 + s.lifePer) << k.what << " at " << s.at;
    }
  }
}

TEST_F(Particles, ReverseAlphaPeaksAtHalfLife) {
  struct Case {
    int age;
    int reverse;
    float alpha;
  } cases[] = {{0, 1, 0.2f}, {50, 1, 0.8f}, {100, 1, 0.2f}, {0, 0, 0.2f}, {50, 0, 0.5f}, {100, 0, 0.8f}};
  for (const Case& k : cases) {
    TEffectList<TParticle> own;
    now_ = 1000;
    auto p = createParticle(0, 5, 5, 5, 5, 5, 5, TRGB{}, 0.2f, 0.8f, 1, 1, 0, 0, 3, 0, 100, &own);
    p->reverseAlpha = k.reverse;
    _drawParticles(&own);
    now_ += k.age;
    _drawParticles(&own);
    EXPECT_FLOAT_EQ(p->a, k.alpha) << "age " << k.age << " reverse " << k.reverse;
  }
}

// The fixed generator's sequence is the script: each row replays the draws
// the recipe must make, in its order, into the fields it must fill (n, x1,
// y1, x2, y2, mx, my, r, g, b, end rotation, delay, life), and its alpha is
// set as the recipe sets it (start, end, whether it falls back after half life).
TEST_F(Particles, RecipesDrawTheirRandomNumbersInOrder) {
  using Fields = std::array<float, 13>;
  const auto R = [](int a, int b) { return static_cast<float>(Rand(a, b)); };
  const auto F = [](double a, double b) { return static_cast<float>(Rnd(a, b)); };
  const float c30 = static_cast<float>(Cos(30)), s30 = static_cast<float>(Sin(30));
  const auto smoke = [&](float dx, float dy, float mx, float my) {
    Fields w{R(8, 9), 300, 200, 300 + dx + R(-20, 30), 200 + dy + R(-5, 5), mx, my};
    w[7] = w[8] = w[9] = R(160, 220);
    w[10] = 180 + R(-90, 90), w[11] = R(0, 250), w[12] = 4000;
    return w;
  };
  struct Case {
    const char* what;
    std::function<void()> make;
    std::function<Fields()> replay;
    std::array<float, 3> alpha;
  } cases[] = {
      {"stage", [] { createShowStageParticle(300, 200, 30, 1.5007f); },
       [&] {
         const float r = 1.5007f;
         Fields w{0, 300 + 20 * r * c30 + R(-3, 3), 200 + 20 * r * s30 + R(-3, 3), 300 + 90 * r * c30 + R(-3, 3),
                  200 + 90 * r * s30 + R(-3, 3)};
         w[5] = (w[1] + w[3]) / 2 + R(-3, 3), w[6] = (w[2] + w[4]) / 2 + R(-3, 3);
         w[8] = R(200, 255);
         if (R(0, 1) == 1) w[7] = w[8];
         w[10] = 360 + R(0, 180), w[12] = 1500;  // 1500.7 truncated
         return w;
       },
       {1, 0, 0}},
      {"hint 1", [] { createHintParticle1(300, 200, TRGB{1, 2, 3}); },
       [&] { return Fields{R(0, 1), 300 + F(-5, 5), 200 + F(-5, 5), 300 + R(-15, 15), 200 + R(-15, 15), 300, 200,
                           1, 2, 3, 360, 0, 500}; },
       {1, 0, 0}},
      {"hint", [] { createHintParticle(300, 200); },
       [&] { return Fields{R(0, 2), 300, 200, 300, 200, 300, 200, 0, 255, 255, 0, 0, 500}; }, {1, 0, 0}},
      {"smoke 1", [] { createVulcanoSmoke1(300, 200); }, [&] { return smoke(120, -20, 570, 430); }, {0.5f, 0, 0}},
      {"smoke 2", [] { createVulcanoSmoke2(300, 200); }, [&] { return smoke(150, -50, 692, 478); }, {0.5f, 0, 0}},
      {"snow", [] { createSnowParticle(); },
       [&] {
         const float n = R(0, 1), sx = R(0, 1024);
         return Fields{n, sx, 0, sx - 30, 0.2f * sx, sx - 15, 0.1f * sx, 255, 255, 255, 360, 0, 1000};
       },
       {1, 0, 0}},
      {"cloud", [] { createCloud(); },
       [&] {
         const float n = R(5, 7), w = 10 + n, cy = R(80, 500);  // the stub images are 10 + n wide
         F(2.0, 2.5);
         return Fields{n, -w, cy, 1024 + w, cy, 512, cy, 255, 255, 255, 0, 0, 40000 + 1000 * R(1, 10)};
       },
       {1, 1, 0}},
      {"fog", [] { createFog(300, 200); },
       [&] {
         const float n = R(8, 9), dr = 180 + R(1, 180);
         return Fields{n, 300, 200, 300, 200, 300, 200, 200, 200, 200, dr, 0, 5000 + 1000 * R(3, 5)};
       },
       {0, 0.5f, 1}},  // rises to half its alpha, then fades out
      {"lava", [] { createLavaParticle(300, 200); },
       [&] {
         Fields w{4, 300 + R(-2, 2), 200 + R(-2, 2), 300 + R(-2, 2), 200 + R(-2, 2), 300 + R(-2, 2), 200 + R(-2, 2)};
         const int v = Rand(150, 250), pick = Rand(0, 2);
         w[7] = v, w[8] = pick == 0 ? v : pick == 1 ? 0 : v / 2, w[9] = pick == 2 ? 0.2f * v : 0;
         w[10] = 360 + R(1, 180), w[12] = 500;
         return w;
       },
       {1, 0, 0}},
      {"water", [] { createWaterParticle(300, 200); },
       [&] {
         const float dr = R(90, 180);
         return Fields{0, 300, 200, 300, 200, 300, 200, 255, 255, 255, dr, R(1, 600), 1000};
       },
       {1, 0, 0}},
  };
  for (const Case& k : cases) {
    particlesList.clear();
    ResetRandomForTests();
    k.make();
    ASSERT_EQ(particlesList.size(), 1u) << k.what;
    const TParticle& p = *particlesList.front();
    ResetRandomForTests();
    const Fields want = k.replay();
    const Fields got = {float(p.n), p.x1,    p.y1,    p.x2, p.y2, p.mx, p.my, p.rgb.r, p.rgb.g, p.rgb.b, p.dr,
                        float(p.startTime - now_), float(p.lifeTime)};
    for (int i = 0; i < 13; ++i) EXPECT_FLOAT_EQ(got[i], want[i]) << k.what << " field " << i;
    EXPECT_EQ((std::array<float, 3>{p.startA, p.da, float(p.reverseAlpha)}), k.alpha) << k.what << " alpha";
  }
  particlesList.clear();
  createFog(0, 0);
  EXPECT_TRUE(particlesList.empty()) << "fog at (0, 0)";
}

TEST_F(Particles, TableLoadsEveryImageCentredAndReportsAMissingOne) {
  bDir = std::string(SORVANTA_SOURCE_DIR) + "/assets/";
  setupParticles();
  ASSERT_EQ(TParticle::img.size(), 10u);
  for (const auto& image : TParticle::img) {
    ASSERT_NE(image, nullptr);
    EXPECT_FLOAT_EQ(image->handleX, image->width() * 0.5f);
  }

  test::TempFolder folder;
  test::WriteFile(folder / "data/particles.dat",
                  "particles {\n i = 1\n p0 = \"gfx/gone.png\"\n p1 = \"gfx/gone.png\"\n}\n");
  bDir = folder.path() + "/";
  ::testing::internal::CaptureStderr();
  setupParticles();
  const std::string notices = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(notices.find("NO PARTICLE IMG: gfx/gone.png"), std::string::npos) << notices;
  ASSERT_EQ(TParticle::img.size(), 2u);
  EXPECT_EQ(TParticle::img[0], nullptr);
}

}  // namespace
}  // namespace sorvanta
