// One play-screen frame of effects: 3,000 live particles together with
// mistake rocks, hint sparks and hint orbs (whose trails are part of the
// 3,000), advanced and drawn through the drawing layer on the headless
// software renderer, then presented. Prints milliseconds per frame, and the
// same frame with images that draw nothing: the effects' own share.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "core/globals.h"
#include "effects/particle.h"
#include "effects/particle_factories.h"
#include "frame_reporter.h"
#include "platform/harness.h"
#include "platform/image.h"
#include "platform/pixel_access.h"
#include "platform/pixmap.h"
#include "platform/random.h"
#include "platform/read_back.h"
#include "platform/video.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/flying_hints.h"
#include "puzzle/board/flying_rock.h"
#include "puzzle/board/hint.h"
#include "puzzle/board/level.h"
#include "puzzle/puzzle_play.h"

namespace {

using namespace sorvanta;

constexpr std::size_t kParticles = 3000;
constexpr std::size_t kRocks = 3, kSparks = 2, kOrbs = 3;

// Images the size of the shipped ones, with a soft edge so blending works.
std::shared_ptr<TImage> Blob(int size, std::uint32_t rgb) {
  auto pixmap = CreatePixmap(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const int dx = 2 * x - size, dy = 2 * y - size;
      const int a = dx * dx + dy * dy < size * size ? 255 : 0;
      WritePixel(pixmap, x, y, static_cast<std::uint32_t>(a) << 24 | rgb);
    }
  auto image = LoadImage(pixmap, -1);
  MidHandleImage(image);
  return image;
}

struct Scene {
  std::shared_ptr<TLevel> level;
  std::shared_ptr<TATile> target;
};

Scene Build(bool images) {
  Scene s;
  TParticle::img.clear();
  for (int k = 0; k < 10; ++k) TParticle::img.push_back(images ? Blob(k < 5 ? 32 : 96, 0xffffffu) : nullptr);
  for (auto& rock : TFlyingRock::img) rock = images ? Blob(42, 0xff4040u) : nullptr;
  TFlyingAddHint::img = images ? Blob(40, 0x40ff40u) : nullptr;
  s.level = std::make_shared<TLevel>();
  s.level->tryb = 1;
  s.level->maxHintsCount = 9;
  s.level->hints = s.level->initHints(0, 0, 0, 0, 0, 0, 0, 0, 0);
  mainGame = std::make_shared<TMainGame>();
  mainGame->level = s.level;
  s.target = std::make_shared<TATile>();
  s.target->turnOff = 1;  // sparks arrive and leave it as it is
  delta = 1;
  return s;
}

// Keeps the effects in flight at their counts, as a busy play screen would.
void TopUp(const Scene& s) {
  while (flyingRocksList.size() < kRocks) CreateMistake(static_cast<float>(Rand(100, 700)), 400, 1);
  while (flyingHints.size() < kSparks) {
    auto spark = std::make_shared<TFlyingHint>();
    spark->x1 = 884, spark->y1 = 470, spark->x2 = static_cast<float>(Rand(100, 700)), spark->y2 = 300;
    spark->mx = 0, spark->my = 0;
    spark->docelowyTile = s.target;
    flyingHints.push_back(spark);
  }
  while (flyingAddHints.size() < kOrbs) {
    for (auto& hint : s.level->hints) hint->dMyLoad = 0, hint->t = 1;  // always a target
    createNewAddHint(static_cast<float>(Rand(100, 700)), 500);
  }
  while (particlesList.size() < kParticles) {
    const float x = static_cast<float>(Rand(20, 1000)), y = static_cast<float>(Rand(20, 740));
    createParticle(Rand(0, 4), x, y, x + Rand(-30, 30), y + Rand(-30, 30), x, y, TRGB{255, 200, 100}, 1, 0, 0.5f,
                   1, 0, 360, Rand(3, 4), 0, Rand(300, 700));
  }
}

std::size_t liveParticles = 0;

void BM_EffectsFrame(benchmark::State& state) {
  const Scene s = Build(state.range(0) != 0);
  TopUp(s);
  for (auto _ : state) {
    _updateFlyingRocks();
    _updateFlyingHints();
    _updateFlyingAddHint();
    TopUp(s);
    Cls();
    _drawFlyingHints();
    _drawFlyingRocks();
    _drawFlyingAddHint();
    liveParticles = particlesList.size();
    _drawParticles();
    Flip(0);
  }
  state.counters["particles"] = static_cast<double>(liveParticles);
}

// Argument 1 draws the images, 0 draws nothing.
BENCHMARK(BM_EffectsFrame)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  HarnessOptions options;
  options.startMillis = 1000;
  options.captureFrames = false;
  options.frameCap = 1 << 30;
  Harness harness(options);
  SetVirtualResolution(1024, 768);
  FrameReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  if (reporter.perFrame.size() == 2)
    std::printf("renderer %s, about %zu live particles, %zu rocks, %zu sparks, %zu orbs: %.3f ms per frame drawn, "
                "%.3f ms advanced without images\n",
                RendererName().c_str(), liveParticles, kRocks, kSparks, kOrbs, reporter.perFrame[0] * 1e3,
                reporter.perFrame[1] * 1e3);
  return 0;
}
