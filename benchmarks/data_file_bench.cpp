// Read and write speed of the data-file format on a generated 2 MB file,
// shaped like the game's own files: groups of string and number entries with
// several values, some nested.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "formats/rcm_file.h"

using namespace sorvanta;

namespace {

constexpr size_t kTargetBytes = 2 * 1000 * 1000;

std::shared_ptr<TRCMGroup> addGroup(TRCMGroup& parent, const std::string& name) {
  auto group = std::make_shared<TRCMGroup>(name);
  parent._listaGrup.push_back(group);
  return group;
}

std::shared_ptr<TRCMFile> makeFile() {
  auto file = createRCMFile();
  size_t estimate = 0;
  for (int g = 1; estimate < kTargetBytes; ++g) {
    auto level = addGroup(*file->_grupa, "level" + std::to_string(g));
    auto tiles = addGroup(*level, "tiles");
    for (int r = 1; r <= 10; ++r) {
      const std::string row = "row" + std::to_string(r);
      for (int c = 0; c < 10; ++c)
        tiles->setStringEntry(row, std::to_string(r * c) + "|" + std::to_string(c % 2) + "|0", c);
    }
    auto info = addGroup(*level, "info");
    info->setStringEntry("name", "Level number " + std::to_string(g), 0);
    info->setFloatEntry("score", static_cast<float>(g * 100), 0);
    info->setFloatEntry("time", 0.25f * static_cast<float>(g), 0);
    info->setFloatEntry("hints", 1, 0);
    info->setFloatEntry("hints", 0.5f, 1);
    estimate += level->save("").size();
  }
  return file;
}

std::string scratchPath() {
  return (std::filesystem::temp_directory_path() /
          ("sorvanta-bench-" + std::to_string(getpid()) + ".dat"))
      .string();
}

void reportRate(benchmark::State& state, size_t bytes) {
  const double total = static_cast<double>(bytes) * static_cast<double>(state.iterations());
  state.SetBytesProcessed(static_cast<int64_t>(total));
  state.counters["MB/s"] = benchmark::Counter(total / 1e6, benchmark::Counter::kIsRate);
}

void BM_ReadDataFile(benchmark::State& state) {
  const std::string path = scratchPath();
  const auto source = makeFile();
  source->save(path);
  const size_t bytes = std::filesystem::file_size(path);
  for (auto _ : state) {
    auto file = loadRCMFile(path);
    benchmark::DoNotOptimize(file);
  }
  reportRate(state, bytes);
  std::filesystem::remove(path);
}
// Reading and writing wait on the disk: their rates count real time, not CPU time.
BENCHMARK(BM_ReadDataFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WriteDataFile(benchmark::State& state) {
  const std::string path = scratchPath();
  const auto file = makeFile();
  for (auto _ : state) file->save(path);
  reportRate(state, std::filesystem::file_size(path));
  std::filesystem::remove(path);
}
BENCHMARK(BM_WriteDataFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// The writer alone, without the disk.
void BM_DataFileText(benchmark::State& state) {
  const auto file = makeFile();
  size_t bytes = 0;
  for (auto _ : state) {
    const std::string text = file->toText();
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  reportRate(state, bytes);
}
BENCHMARK(BM_DataFileText)->Unit(benchmark::kMillisecond);

// One key with n values, read, written and read back: the rate should not
// fall as n grows.
void BM_OneLongKeyRoundTrip(benchmark::State& state) {
  const std::string path = scratchPath();
  const auto values = static_cast<size_t>(state.range(0));
  std::string text = "settings {\n musicVolume = 1";
  for (size_t i = 1; i < values; ++i) text += ",1";
  text += "\n}\n";
  for (auto _ : state) {
    auto file = createRCMFile();
    file->_grupa = file->readAll(text, "MAINGROUP");
    file->save(path);
    auto again = loadRCMFile(path);
    benchmark::DoNotOptimize(again);
  }
  state.counters["values/s"] = benchmark::Counter(
      static_cast<double>(values) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  std::filesystem::remove(path);
}
BENCHMARK(BM_OneLongKeyRoundTrip)->Arg(100000)->Arg(400000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
