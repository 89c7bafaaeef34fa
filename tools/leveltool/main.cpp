// The level tool: writes the shipped levels from their sources and
// validates the level files of the asset tree.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "leveltool/level_check.h"
#include "leveltool/level_source.h"
#include "leveltool/level_tables.h"
#include "leveltool/summary_fit.h"

using namespace sorvanta;
namespace fs = std::filesystem;

namespace {

const char* const kUsage =
    "usage: sorvanta_leveltool build [--assets DIR] [--sources DIR] [--verify]\n"
    "           writes every source DIR/**/*.level (default tools/levels) to the same path\n"
    "           under the assets (default assets) as .lvl; --verify writes nothing and\n"
    "           fails when a shipped level differs from what its source gives\n"
    "       sorvanta_leveltool check [--assets DIR] [PATH...]\n"
    "           validates every .lvl under each PATH (default: the assets), printing\n"
    "           each level's time, a Picross level's effort (cells no single line\n"
    "           decides on the empty board) and, for each failure, the file and the rule\n"
    "       sorvanta_leveltool summary [--assets DIR] [PATH...]\n"
    "           prints where each won board rests in the level summary and its room\n"
    "           to the frame's opening and the name line; fails below 8 px\n";

std::string readAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

int build(const std::string& assets, const std::string& sources, bool verify) {
  std::vector<fs::path> files;
  std::error_code error;
  for (auto it = fs::recursive_directory_iterator(sources, error); !error && it != fs::recursive_directory_iterator();
       it.increment(error))
    if (it->is_regular_file() && it->path().extension() == ".level") files.push_back(it->path());
  if (error) {
    std::cerr << sources << ": " << error.message() << "\n";
    return 1;
  }
  std::sort(files.begin(), files.end());
  const fs::path scratch = fs::temp_directory_path() / ("sorvanta_leveltool_" + std::to_string(::getpid()));
  int failures = 0;
  for (const fs::path& source : files) {
    const fs::path out = fs::path(assets) / fs::relative(source, sources).replace_extension(".lvl");
    try {
      const LevelSource parsed = ReadLevelSource(source.string());
      if (!verify) {
        fs::create_directories(out.parent_path());
        WriteLevel(parsed, out.string());
        std::cout << "wrote " << out.string() << "\n";
        continue;
      }
      fs::create_directories(scratch);
      const fs::path fresh = scratch / out.filename();
      WriteLevel(parsed, fresh.string());
      if (!fs::is_regular_file(out) || readAll(out) != readAll(fresh)) {
        std::cout << out.string() << ": differs from its source " << source.string()
                  << " (run sorvanta_leveltool build)\n";
        ++failures;
      } else {
        std::cout << "same as source: " << out.string() << "\n";
      }
    } catch (const std::exception& e) {
      std::cout << e.what() << "\n";
      ++failures;
    }
  }
  fs::remove_all(scratch, error);
  return failures == 0 ? 0 : 1;
}

int check(const std::vector<std::string>& paths) {
  int levels = 0, failed = 0;
  double total = 0;
  for (const std::string& root : paths) {
    for (const std::string& file : FindLevelFiles(root)) {
      const LevelReport report = CheckLevelFile(file);
      ++levels;
      total += report.ms;
      if (report.effort >= 0)
        std::printf("%8.2f ms  effort %4d  %s  %s\n", report.ms, report.effort, file.c_str(),
                    report.failed() ? "FAILED" : "ok");
      else
        std::printf("%8.2f ms  %s  %s\n", report.ms, file.c_str(), report.failed() ? "FAILED" : "ok");
      for (const Finding& f : report.findings)
        std::printf("    %s: %s %s: %s\n", file.c_str(), f.warning ? "warning" : "rule", f.rule.c_str(),
                    f.message.c_str());
      failed += report.failed() ? 1 : 0;
    }
  }
  std::printf("%d level(s) in %.2f ms, %d failed\n", levels, total, failed);
  return failed == 0 ? 0 : 1;
}

int summary(const std::vector<std::string>& paths) {
  const SummaryOpening o = MeasureSummaryOpening();
  std::printf("summary opening x %d..%d, y %d..%d\n", o.left, o.right, o.top, o.bottom);
  int levels = 0, short_ = 0, least = 1 << 30;
  for (const std::string& root : paths) {
    for (const std::string& file : FindLevelFiles(root)) {
      const SummaryFit fit = FitInSummary(file, o);
      ++levels;
      least = std::min(least, fit.margin);
      const bool fails = fit.margin < kSummaryMargin;
      short_ += fails ? 1 : 0;
      std::printf("%4d px  x %6.1f..%6.1f  y %6.1f..%6.1f  %s%s\n", fit.margin, fit.left, fit.right, fit.top,
                  fit.bottom, file.c_str(), fails ? "  TOO CLOSE" : "");
    }
  }
  std::printf("%d level(s), least room %d px (at least %d), %d too close\n", levels, least, kSummaryMargin, short_);
  return short_ == 0 && levels > 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || (args[0] != "build" && args[0] != "check" && args[0] != "summary")) {
    std::cerr << kUsage;
    return 2;
  }
  std::string assets = "assets", sources = "tools/levels";
  bool verify = false;
  std::vector<std::string> paths;
  for (size_t i = 1; i < args.size(); ++i) {
    if ((args[i] == "--assets" || args[i] == "--sources") && i + 1 < args.size()) {
      (args[i] == "--assets" ? assets : sources) = args[i + 1];
      ++i;
    } else if (args[i] == "--verify" && args[0] == "build") {
      verify = true;
    } else if (args[i].rfind("--", 0) == 0 || args[0] == "build") {
      std::cerr << kUsage;
      return 2;
    } else {
      paths.push_back(args[i]);
    }
  }
  if (!fs::is_directory(assets)) {
    std::cerr << assets << ": no asset folder\n";
    return 2;
  }
  LoadLevelTables(assets);
  if (args[0] == "build") return build(assets, sources, verify);
  if (paths.empty()) paths.push_back(assets);
  return args[0] == "summary" ? summary(paths) : check(paths);
}
