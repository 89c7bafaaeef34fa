// The snapshot every test runs in puts each kind of global state back.
#include "support/global_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "core/delta_time.h"
#include "core/display.h"
#include "core/globals.h"
#include "core/states.h"
#include "gui/mouse.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "platform/read_back.h"
#include "platform/video.h"
#include "sound/volume_settings.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

int probe = 1;  // registered the way a test file adds its own globals
const test::KeepGlobal kProbe("probe", test::Value(probe));

struct FakeDriver : TDisplayDriver {};

TEST(GlobalState, EveryKindOfStateIsPutBack) {
  const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
  const auto folder = std::filesystem::current_path();
  const std::string resources = bDir;
  const float origin = aspectOriginX;
  const auto pointer = mouse;
  const float sound = soundVolume();
  const auto timers = TDeltaTime::DeltaTList();
  int r, g, b;
  GetColor(r, g, b);
  ResetRandomForTests();
  const int firstDraw = Rand(0, 1000000);

  test::Restore restore = test::TakeGlobals();
  probe = 2;
  bDir = "elsewhere/";
  aspectOriginX = 102.4f;
  mouse = std::make_shared<TMouse>();
  TDeltaTime::Create(60);
  SetDisplayDriver(std::make_shared<FakeDriver>());
  SetTestClock([] { return 123456789; });
  Rand(0, 1000000);
  ::setenv("HOME", "/nowhere", 1);
  test::TempFolder dir;
  std::filesystem::current_path(dir.path());
  bindVolumeSettings([] { return 0.125f; }, nullptr);
  SetColor(r / 2, g / 2, b / 2);
  registerState("PROBE", [] { return std::string(kStateEnd); });
  restore();

  EXPECT_EQ(probe, 1);
  EXPECT_EQ(bDir, resources);
  EXPECT_EQ(aspectOriginX, origin);
  EXPECT_EQ(mouse, pointer);
  EXPECT_EQ(TDeltaTime::DeltaTList(), timers);
  EXPECT_EQ(dynamic_cast<FakeDriver*>(&displayDriver()), nullptr);
  EXPECT_NE(MilliSecs(), 123456789);
  EXPECT_EQ(Rand(0, 1000000), firstDraw);
  EXPECT_EQ(std::getenv("HOME") ? std::getenv("HOME") : "", home);
  EXPECT_EQ(std::filesystem::current_path(), folder);
  EXPECT_EQ(soundVolume(), sound);
  int r2, g2, b2;
  GetColor(r2, g2, b2);
  EXPECT_EQ(r2 * 65536 + g2 * 256 + b2, r * 65536 + g * 256 + b);
  EXPECT_EQ(registeredStatesForTests().count("PROBE"), 0u);
}

// The mutable globals of src/: definitions at namespace scope (at the start
// of a line in a .cpp, as the code writes them) by their name, and a
// function's statics as "file: name".
std::set<std::string> globalsInSources() {
  namespace fs = std::filesystem;
  static const std::regex kSkip(
      R"re(^(using|namespace|typedef|extern|constexpr|const |inline|class|struct|enum|static_assert|return|template|friend)\b)re");
  // A type's template arguments, two deep, a function type among them
  // (std::function<void()>), never past the name that follows.
  static const std::string kArgs = R"re((?:<(?:[^<>;=]|<(?:[^<>;=]|<[^<>;=]*>)*>)*>)?)re";
  // Type words, then the name, then "=", "{" or ";" before any "(".
  static const std::regex kAtNamespace(R"re(^(?:static\s+)?(?:[A-Za-z_][\w:]*)re" + kArgs +
                                       R"re([\s*&]+)+([A-Za-z_][\w:]*)\s*[={;,])re");
  static const std::regex kMore(R"re(,\s*([A-Za-z_]\w*)\s*=)re");
  static const std::regex kLocal(R"re(^\s+static\s+(?!const\b|constexpr\b)(?:[A-Za-z_][\w:]*)re" + kArgs +
                                 R"re([\s*&]+)+([A-Za-z_]\w*)\s*([={;]|\([^)]*\);))re");
  const fs::path src = fs::path(SORVANTA_SOURCE_DIR) / "src";
  std::set<std::string> found;
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    if (!entry.is_regular_file()) continue;
    // A header's "static" without "=" declares a member; with it, an inline
    // function's own.
    const bool header = entry.path().extension() == ".h";
    if (!header && entry.path().extension() != ".cpp") continue;
    const std::string file = fs::relative(entry.path(), src).generic_string();
    std::ifstream in(entry.path());
    std::smatch match;
    for (std::string line; std::getline(in, line);) {
      if (std::regex_search(line, kSkip)) continue;
      if (std::regex_search(line, match, kLocal)) {
        if (!header || match[2] == "=") found.insert(file + ": " + match[1].str());
      } else if (!header && std::regex_search(line, match, kAtNamespace)) {
        found.insert(match[1]);
        for (auto it = std::sregex_iterator(line.begin(), line.end(), kMore); it != std::sregex_iterator(); ++it)
          found.insert((*it)[1]);
      }
    }
  }
  return found;
}

// A global a test may change must be put back for the next; so every one in
// src/ has its entry in the table, or stands below as one whose changes no
// later test can see.
TEST(GlobalState, EveryGlobalOfTheGameIsKept) {
  const std::set<std::string> unchanged = {
      // Caches: the same files give the same fonts and pictures in any test.
      "platform/font.cpp: fallback", "platform/font.cpp: library", "platform/font.cpp: read",
      "platform/image_frames.cpp: live", "platform/image_frames.cpp: shared", "platform/font_internal.h: live",
      // Fixed for the run: the files built in, the pool of drawing threads,
      // the signal handlers once installed; the Lua state, where each test
      // registers functions under names of its own.
      "platform/incbin.cpp: files", "platform/soft_frame.cpp: frame", "platform/input.cpp: installed",
      "platform/lua_bridge.cpp: state",
      // Only ever counted on: names of temporary files, the pace of the
      // timing report.
      "platform/atomic_write.cpp: counter", "platform/timings.cpp: next",
      // Signals and forked processes: a test that raises them runs in a child.
      "g_signalled", "g_endedBySignal", "g_closedFd", "g_boxUp", "g_game", "g_shared",
      // Told and emptied by the start-up that finds the game already running.
      "app/app.cpp: text",
      // Set only while the notice at quitting is up, however that ends.
      "app/app.cpp: up",
  };
  const std::vector<std::string> kept = test::KeptGlobalNames();
  const std::set<std::string> globals = globalsInSources();
  EXPECT_GT(globals.size(), 100u) << "the scan finds no globals";
  for (const std::string& name : globals)
    EXPECT_TRUE(unchanged.count(name) || std::find(kept.begin(), kept.end(), name) != kept.end())
        << name << " has no entry in tests/support/global_state.cpp";
  for (const std::string& name : unchanged) EXPECT_TRUE(globals.count(name)) << name << " is gone from src/";
  // A name the table covers that the scan does not see is one it would miss unlisted.
  for (const std::string& name : test::KeptGlobalNames(true))
    EXPECT_TRUE(globals.count(name)) << name << " is covered but unseen by the scan, or gone from src/";
}

}  // namespace
}  // namespace sorvanta
