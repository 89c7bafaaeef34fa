// One frame of 2,000 textured sprites with mixed blend, scale, mirroring and
// rotation, drawn through the drawing layer and through SDL's renderer
// directly; prints both and their ratio (the layer should stay within 1.2x).
// The same with 1-pixel sprites, where SDL's pixel work is next to nothing,
// shows the layer's own cost per sprite. Runs headless: SDL's dummy video
// driver and the software renderer. Another case measures a frame of opaque
// drawing at full alpha against the same just below it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "platform/image.h"
#include "platform/pixel_access.h"
#include "platform/read_back.h"
#include "platform/video.h"
#include "platform/video_reference.h"

namespace {

using namespace sorvanta;

constexpr int kSprites = 2000;

struct Scene {
  std::shared_ptr<TImage> image;
  std::vector<ReferenceSprite> sprites;
};

// Sprites of size x size pixels (32 or 1).
Scene MakeScene(int size) {
  Scene s;
  auto pixmap = CreatePixmap(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      WritePixel(pixmap, x, y, 0xff000000u | (x * 8) << 16 | (y * 8) << 8 | ((x + y) % 2 ? 0xc0 : 0x40));
  s.image = LoadImage(pixmap, -1);
  MidHandleImage(s.image);
  unsigned seed = 12345;
  auto next = [&seed](int range) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) % static_cast<unsigned>(range));
  };
  for (int i = 0; i < kSprites; ++i) {
    ReferenceSprite sp;
    sp.x = static_cast<float>(next(1024));
    sp.y = static_cast<float>(next(768));
    sp.scaleX = (0.5f + next(150) / 100.0f) * (i % 7 == 0 ? -1.0f : 1.0f);
    sp.scaleY = sp.scaleX < 0 ? -sp.scaleX : sp.scaleX;
    sp.rotation = i % 2 ? static_cast<float>(next(360)) : 0.0f;
    sp.blend = i % 3 == 0 ? LIGHTBLEND : ALPHABLEND;
    sp.red = 128 + next(128);
    sp.green = 128 + next(128);
    sp.blue = 128 + next(128);
    sp.alpha = 0.3f + next(70) / 100.0f;
    s.sprites.push_back(sp);
  }
  return s;
}

Scene& TheScene(int size) {
  static std::map<int, Scene> scenes;
  auto it = scenes.find(size);
  if (it == scenes.end()) it = scenes.emplace(size, MakeScene(size)).first;
  return it->second;
}

void BM_Layer(benchmark::State& state) {
  Scene& scene = TheScene(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Cls();
    for (const ReferenceSprite& s : scene.sprites) {
      SetBlend(s.blend);
      SetColor(s.red, s.green, s.blue);
      SetAlpha(s.alpha);
      SetScale(s.scaleX, s.scaleY);
      SetRotation(s.rotation);
      DrawImage(scene.image, s.x, s.y);
    }
    Flip(0);
  }
  state.SetItemsProcessed(state.iterations() * kSprites);
}

void BM_DirectSdl(benchmark::State& state) {
  Scene& scene = TheScene(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ClearDirect();
    DrawSpritesDirect(scene.image, scene.sprites);
    PresentDirect();
  }
  state.SetItemsProcessed(state.iterations() * kSprites);
}

// A frame of the menus' kind: an opaque background image over the whole design
// area and an opaque panel. The argument is the alpha in 255ths: at 255 both
// are copied, at 254 blended, the cost the copy saves.
void BM_OpaqueBackground(benchmark::State& state) {
  static std::shared_ptr<TImage> background = [] {
    auto pixmap = CreatePixmap(1024, 768);
    for (int y = 0; y < 768; ++y)
      for (int x = 0; x < 1024; ++x) WritePixel(pixmap, x, y, 0xff000000u | (x & 255) << 8 | (y & 255));
    return LoadImage(pixmap, -1);
  }();
  SetScale(1, 1);
  SetRotation(0);
  SetBlend(ALPHABLEND);
  for (auto _ : state) {
    SetAlpha(static_cast<float>(state.range(0)) / 255.0f);
    SetColor(255, 255, 255);
    DrawImage(background, 0, 0);
    SetColor(40, 40, 40);
    DrawRect(100, 100, 800, 500);
    Flip(0);
  }
}
BENCHMARK(BM_OpaqueBackground)->Arg(255)->Arg(254)->Unit(benchmark::kMillisecond);

// The argument is the sprites' size in pixels.
BENCHMARK(BM_DirectSdl)->Arg(32)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Layer)->Arg(32)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Keeps each run's time per frame so that the ratio can be printed.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && run.iterations > 0)
        perFrame[run.run_name.function_name + "/" + run.run_name.args] =
            run.real_accumulated_time / static_cast<double>(run.iterations);
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> perFrame;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  SetGraphicsDriver("dummy", "software");
  if (!Graphics(1024, 768, 0)) {
    std::fprintf(stderr, "cannot open a graphics mode\n");
    return 1;
  }
  std::printf("renderer: %s, %d sprites per frame\n", RendererName().c_str(), kSprites);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  for (const char* size : {"32", "1"}) {
    double direct = reporter.perFrame[std::string("BM_DirectSdl/") + size];
    double layer = reporter.perFrame[std::string("BM_Layer/") + size];
    if (direct > 0 && layer > 0)
      std::printf("%s-pixel sprites: layer %.3f ms, direct SDL %.3f ms per frame: ratio %.3f (target <= 1.2)\n",
                  size, layer * 1e3, direct * 1e3, layer / direct);
  }
  EndGraphics();
  return 0;
}
