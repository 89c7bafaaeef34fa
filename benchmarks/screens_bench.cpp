// Every screen's own cycle (clear, update, draw, flip) with the shipped
// assets, headless on the software renderer: the main menu, the map, a stage
// screen and its story page, both campaigns' 24 x 24 boards idle and with
// effects flying, the Fill board's fly-in, the intro and the outro. Each runs
// 120 frames of warm-up, then 600 timed ones (the fly-in: its first 120, from
// the first frame on). Prints per screen the median and 95th-percentile frame
// time, the share of frames over 16.7 ms, the CPU time of all threads and
// the quads (and rotated quads) of an average frame; then the first frame of the Fill board, the slowest
// frame at the intro's scene changes, what images hold, and
// how long a new renderer takes to get every texture again.
//
// --cores N pins the program to the first N of the CPUs it may use (as
// taskset would), so the compositor draws with N threads; --span-width 1, 4
// or 8 picks the compositor's pixel loops (scalar, SSE2, AVX2).
#include <sched.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "campaign/level_manager.h"
#include "core/ekran.h"
#include "core/frame.h"
#include "core/globals.h"
#include "core/screen_loop.h"
#include "effects/particle_factories.h"
#include "map/map_screen.h"
#include "map/stage_screen.h"
#include "platform/harness.h"
#include "platform/image_frames.h"
#include "platform/image_read_back.h"
#include "platform/random.h"
#include "platform/read_back.h"
#include "platform/soft_canvas.h"
#include "platform/soft_frame.h"
#include "platform/video.h"
#include "puzzle/board/level.h"
#include "puzzle/board/level_file.h"
#include "puzzle/play/main_game.h"
#include "screens/main_menu.h"
#include "story/intro.h"
#include "story/outro.h"

namespace {

using namespace sorvanta;

constexpr int kWarmUp = 120;
constexpr int kTimed = 600;
constexpr double kBudgetMs = 1000.0 / 60.0;

// The CPU time of the whole process, every thread, in ms: steadier than the
// clock when other programs share the machine.
double CpuMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void Report(const char* name, std::vector<double> ms, double cpuMs, const DrawCounts& counts) {
  std::sort(ms.begin(), ms.end());
  const double median = ms[ms.size() / 2];
  const double p95 = ms[std::min(ms.size() - 1, ms.size() * 95 / 100)];
  const auto late = std::count_if(ms.begin(), ms.end(), [](double t) { return t > kBudgetMs; });
  const double frames = static_cast<double>(ms.size());
  std::printf("%-28s %8.2f %8.2f %7.1f %% %8.2f  %8.0f %8.0f %8.2f\n", name, median, p95, 100.0 * late / frames,
              cpuMs / frames, counts.quads / frames, counts.rotatedQuads / frames, counts.pixels / frames / 1e6);
}

// One frame of the screen's loop; extra runs before its update (effects kept up).
void Cycle(TEkran& screen, Harness& h, const std::function<void()>& extra) {
  Cls();
  if (extra) extra();
  updateScreen(screen);
  screen.draw();
  myFlip(0);
  h.SetFrameCap(100000);
}

// Sees each timed frame's time after its cycle.
using FrameWatch = std::function<void(double ms)>;

void Run(const char* name, TEkran& screen, Harness& h, int warmUp = kWarmUp, int timed = kTimed,
         const std::function<void()>& extra = nullptr, const FrameWatch& watch = nullptr) {
  for (int i = 0; i < warmUp; ++i) Cycle(screen, h, extra);
  std::vector<double> ms;
  ResetDrawCounts();
  const double cpu0 = CpuMs();
  for (int i = 0; i < timed; ++i) {
    const auto t0 = std::chrono::steady_clock::now();
    Cycle(screen, h, extra);
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    if (watch) watch(ms.back());
  }
  Report(name, ms, CpuMs() - cpu0, GetDrawCounts());
}

// Frames that show something for the first time: a board's first frame, the
// frames of the intro's scene changes.
struct FirstFrames {
  double fillBoard = 0;
  double sceneChange = 0;  // the slowest of each change's frame and the one after it
  int sceneChanges = 0;
};
FirstFrames firsts;

// The file of the first shipped level of a campaign with a 24 x 24 board.
std::string Board24(const std::list<std::shared_ptr<TStage>>& stages) {
  for (const auto& stage : stages)
    for (const auto& data : stage->levels) {
      auto level = LoadLevel(bDir + data->url);
      if (level && level->rows == 24 && level->cols == 24) return bDir + data->url;
    }
  return "";
}

// Sparks as a busy board keeps them: about 2,700 particles (rocks would
// count mistakes and end the board).
void KeepEffectsFlying() {
  while (particlesList.size() < 2700) {
    const float x = static_cast<float>(Rand(20, 1000)), y = static_cast<float>(Rand(20, 740));
    createParticle(Rand(0, 4), x, y, x + Rand(-30, 30), y + Rand(-30, 30), x, y, TRGB{255, 200, 100}, 1, 0, 0.5f,
                   1, 0, 360, Rand(3, 4), 0, Rand(300, 700));
  }
}

void Boards(const char* campaign, const std::string& path, Harness& h) {
  if (path.empty()) {
    std::printf("%s: no shipped 24 x 24 level\n", campaign);
    return;
  }
  auto fresh = [&] {
    mainGame->setLevel(LoadLevel(path));
    mainGame->prepare();
  };
  const std::string name(campaign);
  fresh();
  if (mainGame->level->tryb == 0) {
    bool first = true;
    Run((name + " fly-in").c_str(), *mainGame, h, 0, 120, nullptr, [&](double ms) {
      if (first) firsts.fillBoard = ms;
      first = false;
    });
  }
  Run((name + " idle").c_str(), *mainGame, h);
  fresh();
  Run((name + " effects flying").c_str(), *mainGame, h, kWarmUp, kTimed, KeepEffectsFlying);
  particlesList.clear();
}

// Keeps the first `cores` CPUs of those the process may use; false if
// that cannot be done.
bool PinToCores(int cores) {
  cpu_set_t allowed, kept;
  if (cores < 1 || sched_getaffinity(0, sizeof allowed, &allowed) != 0) return false;
  CPU_ZERO(&kept);
  for (int cpu = 0, left = cores; cpu < CPU_SETSIZE && left > 0; ++cpu)
    if (CPU_ISSET(cpu, &allowed)) CPU_SET(cpu, &kept), --left;
  return CPU_COUNT(&kept) == cores && sched_setaffinity(0, sizeof kept, &kept) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  int spanWidth = 8;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string flag = argv[i];
    const int value = std::atoi(argv[i + 1]);
    if (flag == "--cores" && !PinToCores(value)) {
      std::fprintf(stderr, "cannot run on %s cores\n", argv[i + 1]);
      return 1;
    }
    if (flag == "--span-width") spanWidth = value;
  }
  // Before the first draw: the compositor counts its threads from the CPUs
  // it may use.
  spanWidth = SetSoftSpanWidth(spanWidth);
  CountDraws();  // from the harness's mode on
  HarnessOptions options;
  options.captureFrames = false;
  Harness h(options);
  // Players' files go to a scratch home.
  const auto home = std::filesystem::temp_directory_path() / "sorvanta_screens_bench";
  std::filesystem::create_directories(home);
  setenv("HOME", home.c_str(), 1);
  createGlobals();
  bDir = std::string(SORVANTA_SOURCE_DIR) + "/assets/";
  createSingletons();
  loadGame(false);
  std::printf("compositor: %d threads, %d pixels a loop\n\n", SoftBands(), spanWidth);

  std::printf("%-28s %8s %8s %9s %8s  %8s %8s %8s\n", "screen (ms a frame)", "median", "p95", "late", "cpu",
              "quads", "rotated", "Mpixels");
  mainMenu->prepare();
  Run("main menu", *mainMenu, h);
  mapScreen->prepare();
  Run("map", *mapScreen, h);
  if (!levelManager->stagesMesalor.empty()) {
    auto stage = levelManager->stagesMesalor.front();
    stageScreen->prepare(stage);
    Run("story page", *stageScreen, h);
    stageScreen->prepare(stage);
    stageScreen->storyA = stageScreen->dStoryA = 0;
    stageScreen->actStory = nullptr;
    Run("stage screen", *stageScreen, h);
  }
  // Fill first: its first frame is then the first any board has.
  Boards("Fill 24 x 24", Board24(levelManager->stagesNormal), h);
  Boards("Picross 24 x 24", Board24(levelManager->stagesMesalor), h);
  intro->prepare();
  int lastPart = -1, sinceChange = 2;
  Run("intro", *intro, h, kWarmUp, 1800, nullptr, [&](double ms) {
    if (lastPart >= 0 && intro->part != lastPart) {
      ++firsts.sceneChanges;
      sinceChange = 0;
    }
    if (sinceChange++ < 2) firsts.sceneChange = std::max(firsts.sceneChange, ms);
    lastPart = intro->part;
  });
  outro->loadStory();
  outro->fade = 1, outro->dFade = 0;
  outro->_prepareDelta();
  Run("outro", *outro, h, kWarmUp, 1800);
  std::printf("\n%-28s %8s\n", "first frames (ms)", "");
  std::printf("%-28s %8.2f\n", "Fill 24 x 24 first frame", firsts.fillBoard);
  std::printf("%-28s %8.2f  (the slowest of %d)\n", "intro scene change", firsts.sceneChange, firsts.sceneChanges);

  // What the pictures hold after every screen has run, and what a new
  // renderer (a full-screen toggle) costs to give them textures again.
  constexpr double kMiB = 1 << 20;
  const ImageMemory held = LiveImageMemory();
  std::printf("\nimages hold %.1f MiB of textures and %.1f MiB of pixels\n", held.textureBytes / kMiB,
              held.pixelBytes / kMiB);
  const int width = GraphicsWidth(), height = GraphicsHeight();
  const auto t0 = std::chrono::steady_clock::now();
  EndGraphics();
  Graphics(width, height, 0, 60, 0);
  std::printf("a new window and renderer, every texture made again, in %.0f ms\n",
              std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
  std::filesystem::remove_all(home);
  return 0;
}
