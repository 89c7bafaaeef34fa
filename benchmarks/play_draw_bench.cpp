// Frames of the play screen, drawn through the drawing layer headless on the
// software renderer: a 20 x 20 Picross board and a 15 x 15 Fill board, each
// with the side panel, clues, frame and layout. The levels are written to a
// scratch folder by the level tool and read back by the game's reader; the
// screen runs its opening until it settles, then only draw() and the
// present are timed. Prints milliseconds per frame for each.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/delta_time.h"
#include "core/display.h"
#include "core/globals.h"
#include "frame_reporter.h"
#include "core/screen_loop.h"
#include "gui/mouse.h"
#include "leveltool/level_source.h"
#include "leveltool/level_tables.h"
#include "platform/harness.h"
#include "platform/read_back.h"
#include "platform/video.h"
#include "puzzle/board/level.h"
#include "puzzle/board/level_file.h"
#include "puzzle/board/player_link.h"
#include "puzzle/play/main_game.h"

namespace {

using namespace sorvanta;

// Diagonal bands: few runs a line, so the clues stay inside the screen.
std::string PicrossSource() {
  std::string s = "ruleset picross\nsize 4\nbackground 3\nmaxMistakes 5\nhints 1 3\nkey r 7\nkey b 31\ngrid\n";
  for (int r = 0; r < 20; ++r) {
    for (int c = 0; c < 20; ++c) {
      const int d = (r + c) % 8;
      s += d < 3 ? 'r' : (d == 5 ? 'b' : '.');
    }
    s += '\n';
  }
  return s;
}

// Three colour regions, a clue on every fifth cell.
std::string FillSource() {
  std::string s = "ruleset fill\nsize 3\nbackground 2\nmaxMistakes 4\nhints 1 3\nkey a 2\nkey b 4\nkey c 5\ngrid\n";
  for (int r = 0; r < 15; ++r) {
    for (int c = 0; c < 15; ++c) {
      char k = static_cast<char>('a' + ((r / 5 + c / 5) % 3));
      if ((r * 7 + c) % 5 == 0) k = static_cast<char>(k - 'a' + 'A');
      s += c ? " " : "";
      s += k;
    }
    s += '\n';
  }
  return s;
}

int playerTryb = 1;

std::shared_ptr<TMainGame> Settled(const std::string& source, const std::string& name) {
  const auto dir = std::filesystem::temp_directory_path() / "sorvanta_play_draw_bench";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / (name + ".lvl")).string();
  WriteLevel(ParseLevelSource(source, name), path);
  auto level = LoadLevel(path);
  std::filesystem::remove_all(dir);
  playerTryb = level->tryb;
  auto game = std::make_shared<TMainGame>();
  mainGame = game;
  game->setup();
  game->setLevel(level);
  game->prepare();
  // The opening: cells fly in, the fade lifts.
  for (int i = 0; i < 240; ++i) {
    Cls();
    updateScreen(*game);
    game->draw();
    Flip(0);
  }
  return game;
}

std::shared_ptr<TMainGame> picross, fill;

void Run(benchmark::State& state, const std::shared_ptr<TMainGame>& game) {
  mainGame = game;
  playerTryb = game->level->tryb;
  for (auto _ : state) {
    Cls();
    game->draw();
    Flip(0);
  }
}
void BM_PicrossFrame(benchmark::State& state) { Run(state, picross); }
void BM_FillFrame(benchmark::State& state) { Run(state, fill); }
BENCHMARK(BM_PicrossFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FillFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  HarnessOptions options;
  options.startMillis = 1000;
  options.captureFrames = false;
  options.frameCap = 1 << 30;
  Harness harness(options);
  bDir = std::string(SORVANTA_SOURCE_DIR) + "/assets/";
  START_DESKTOP_WIDTH_ = 1920;
  START_DESKTOP_HEIGHT_ = 1080;
  SetAspectResolution(1024, 768, 3);
  mouse = std::make_shared<TMouse>();
  deltaTime = TDeltaTime::Create(60.0f);
  delta = 1.0f;
  TPlayerBindings player;
  player.present = [] { return true; };
  player.tryb = [] { return playerTryb; };
  player.tool = [] { return 0; };
  player.setTool = [](int) {};
  player.stage = [] { return 1; };
  player.setActScreen = [](const std::string&) {};
  player.putData = [](int) {};
  player.levelNumber = [] { return 0; };
  player.saveProfiles = [] {};
  BindPlayer(player);
  LoadLevelTables(bDir);
  picross = Settled(PicrossSource(), "picross20");
  fill = Settled(FillSource(), "fill15");
  FrameReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  if (reporter.perFrame.size() == 2)
    std::printf("renderer %s: 20 x 20 Picross %.3f ms per frame, 15 x 15 Fill %.3f ms per frame\n",
                RendererName().c_str(), reporter.perFrame[0] * 1e3, reporter.perFrame[1] * 1e3);
  return 0;
}
