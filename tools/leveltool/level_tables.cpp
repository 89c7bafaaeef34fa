// Table loading and output capture for the level tool.
#include "leveltool/level_tables.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "core/globals.h"
#include "puzzle/board/color.h"
#include "puzzle/board/tile_data.h"

namespace sorvanta {

namespace {
std::string assetsDir_;
}

void LoadLevelTables(const std::string& assetsDir) {
  assetsDir_ = assetsDir.empty() || assetsDir.back() == '/' ? assetsDir : assetsDir + "/";
  bDir = assetsDir_;
  // The loaders report missing images; the tool only needs their sizes.
  CapturePrinted([] {
    setupTiles();
    setupColors();
  });
}

const std::string& LevelAssetsDir() { return assetsDir_; }

std::vector<std::string> CapturePrinted(const std::function<void()>& fn) {
  std::fflush(stdout);
  std::FILE* sink = std::tmpfile();
  if (!sink) throw std::runtime_error("no temporary file for the captured output");
  const int saved = dup(STDOUT_FILENO);
  dup2(fileno(sink), STDOUT_FILENO);
  auto restore = [&] {
    std::fflush(stdout);
    dup2(saved, STDOUT_FILENO);
    close(saved);
  };
  try {
    fn();
  } catch (...) {
    restore();
    std::fclose(sink);
    throw;
  }
  restore();
  std::string text;
  std::rewind(sink);
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, sink)) > 0;) text.append(buffer, n);
  std::fclose(sink);
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace sorvanta
