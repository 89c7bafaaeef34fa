#pragma once
// What the fuzz targets that load files and draw share: a headless screen
// (opened once, on the first input, so the seed driver needs no set-up), a
// scratch folder, and the resource folder fuzz/layout_res of images, an
// atlas, a text file and a script.
#include <stdlib.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/harness.h"
#include "platform/video.h"

namespace sorvanta::fuzz {

inline std::string ResourceDir() { return std::string(SORVANTA_FUZZ_DIR) + "/layout_res"; }

// A fresh folder for this process's scratch files, removed at exit.
inline const std::string& ScratchDir() {
  static const std::string dir = [] {
    std::string pattern = "/tmp/sorvanta-fuzz-XXXXXX";
    if (!::mkdtemp(pattern.data())) std::abort();
    return pattern;
  }();
  static const bool removedAtExit = [] {
    return std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(dir, ignored);
    }) == 0;
  }();
  (void)removedAtExit;
  return dir;
}

inline void WriteScratch(const std::string& path, const std::string& bytes) {
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) std::abort();
  std::fwrite(bytes.data(), 1, bytes.size(), out);
  std::fclose(out);
}

// A 320 x 240 window of SDL's dummy driver at the game's design size; frames
// are neither kept nor capped.
inline void OpenScreen() {
  static Harness* harness = [] {
    HarnessOptions options;
    options.width = 320;
    options.height = 240;
    options.frameCap = INT_MAX;
    options.captureFrames = false;
    auto* h = new Harness(options);
    SetVirtualResolution(1024, 768);
    return h;
  }();
  (void)harness;
}

}  // namespace sorvanta::fuzz
