// The snapshot every test runs in puts each kind of global state back.
#include "support/global_state.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/delta_time.h"
#include "core/display.h"
#include "core/globals.h"
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
}

}  // namespace
}  // namespace sorvanta
