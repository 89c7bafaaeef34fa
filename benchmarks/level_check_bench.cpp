// Time of the level validator: every shipped level, all of them together,
// and generated Picross and Fill boards of 5 x 5 up to 30 x 30. Reports ms
// per level; the aim is a few ms.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "leveltool/fill_solver.h"
#include "leveltool/level_check.h"
#include "leveltool/level_source.h"
#include "leveltool/level_tables.h"
#include "leveltool/line_solver.h"
#include "puzzle/fill/fill_rules.h"

using namespace sorvanta;

namespace {

const std::string kAssets = std::string(SORVANTA_SOURCE_DIR) + "/assets/";

std::string scratchDir() {
  static const std::string dir = [] {
    auto path = std::filesystem::temp_directory_path() / ("sorvanta_level_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    return path.string();
  }();
  return dir;
}

// A random picture, the first of a few tries that lines alone solve.
std::string picrossSource(int n, std::mt19937& rng) {
  std::vector<std::vector<bool>> picture;
  for (int attempt = 0; attempt < 50; ++attempt) {
    picture.assign(n, std::vector<bool>(n));
    for (auto& row : picture)
      for (size_t c = 0; c < row.size(); ++c) row[c] = rng() % 100 < 68;
    std::vector<PCell> grid(static_cast<size_t>(n) * n, PCell::Unknown);
    if (SolveByLines(CluesOf(picture), grid) == LineSolveResult::Solved) break;
  }
  std::string text = "ruleset picross\nsize 4\nbackground 2\nkey r 3\ngrid\n";
  for (const auto& row : picture) {
    for (bool filled : row) text += filled ? 'r' : '.';
    text += '\n';
  }
  return text;
}

// Three colours on a third of the cells and a clue on every cell: its own
// colour on a coloured cell, on an empty one a colour its block lacks where
// it can; then, while another paint also wins, the clue of an empty cell that
// the other paint colours turns to the next colour.
std::string fillSource(int n, std::mt19937& rng) {
  FillPuzzle puzzle{n, n, {}, {}};
  for (int i = 0; i < n * n; ++i) puzzle.solution.push_back(rng() % 100 < 30 ? 2 + static_cast<int>(rng() % 3) : 0);
  std::vector<int> clue(puzzle.solution);
  for (int i = 0; i < n * n; ++i) {
    if (clue[i]) continue;
    int present = 0;
    for (int colour = 2; colour <= 4; ++colour)
      present += FillBlockCount(puzzle.solution, n, n, i / n, i % n, colour) > 0;
    clue[i] = present == 0 ? 1 : 2;
    while (clue[i] < 4 && FillBlockCount(puzzle.solution, n, n, i / n, i % n, clue[i]) > 0 && present < 3) ++clue[i];
  }
  for (int round = 0; round < n * n; ++round) {
    puzzle.clues.clear();
    for (int i = 0; i < n * n; ++i)
      puzzle.clues.push_back(
          {i / n, i % n, clue[i], clue[i] == 1 ? 0 : FillBlockCount(puzzle.solution, n, n, i / n, i % n, clue[i])});
    const FillSolveResult result = SolveFill(puzzle);
    if (result.solutions != 2) break;
    int at = 0;
    while (at < n * n && (result.second[at] == puzzle.solution[at] || puzzle.solution[at] != 0)) ++at;
    if (at == n * n) break;
    clue[at] = clue[at] == 4 ? 2 : clue[at] + 1;
  }
  std::string text = "ruleset fill\nsize 4\nbackground 5\nkey r 2\nkey g 3\nkey b 4\ngrid\n";
  for (int i = 0; i < n * n; ++i) {
    if (clue[i] == 1)
      text += "0";
    else if (puzzle.solution[i])
      text += "RGB"[puzzle.solution[i] - 2];
    else
      text += std::string(".") + "RGB"[clue[i] - 2];
    text += i % n == n - 1 ? '\n' : ' ';
  }
  return text;
}

void checkLevel(benchmark::State& state, const std::string& path) {
  int failed = 0;
  for (auto _ : state) failed = CheckLevelFile(path).failed();
  state.counters["failed"] = failed;
}

void checkAll(benchmark::State& state, const std::vector<std::string>& paths) {
  for (auto _ : state)
    for (const std::string& path : paths) benchmark::DoNotOptimize(CheckLevelFile(path).failed());
  state.counters["levels"] = static_cast<double>(paths.size());
}

}  // namespace

int main(int argc, char** argv) {
  LoadLevelTables(kAssets);
  const std::vector<std::string> shipped = FindLevelFiles(kAssets);
  for (const std::string& path : shipped)
    benchmark::RegisterBenchmark(("shipped/" + std::filesystem::relative(path, kAssets).string()).c_str(), checkLevel,
                                 path)
        ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("shipped/all levels", checkAll, shipped)->Unit(benchmark::kMillisecond);
  std::mt19937 rng(2024);
  for (int n : {5, 10, 15, 20, 25, 30}) {
    const std::string side = std::to_string(n) + "x" + std::to_string(n);
    const std::string picross = scratchDir() + "/picross" + side + ".lvl",
                      fill = scratchDir() + "/fill" + side + ".lvl";
    CapturePrinted([&] {
      WriteLevel(ParseLevelSource(picrossSource(n, rng), "picross" + side), picross);
      WriteLevel(ParseLevelSource(fillSource(n, rng), "fill" + side), fill);
    });
    for (const std::string& path : {picross, fill})
      for (const Finding& f : CheckLevelFile(path).findings)
        if (!f.warning) std::fprintf(stderr, "%s: %s: %s\n", path.c_str(), f.rule.c_str(), f.message.c_str());
    benchmark::RegisterBenchmark(("generated/picross " + side).c_str(), checkLevel, picross)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("generated/fill " + side).c_str(), checkLevel, fill)->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(scratchDir());
  return 0;
}
