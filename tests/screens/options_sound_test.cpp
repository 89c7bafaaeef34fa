// The settings hand their volumes to the sound registry when they are read,
// and the track last loaded is opened again at start-up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/shell_test_support.h"
#include "screens/options.h"

namespace sorvanta {
namespace {

struct RecordingSnd : TGlobalSnd {
  std::vector<std::string> calls;
  void setMusicVol(float v) override { calls.push_back("music " + std::to_string(v)); }
  void setSoundVol(float v) override { calls.push_back("sound " + std::to_string(v)); }
  void _setupExctMusic(int n) override { calls.push_back("track " + std::to_string(n)); }
};

TEST(OptionsSound, StoredVolumesReachTheRegistryAndTheLastTrackIsOpened) {
  shell_test::ShellWorld world(shell_test::NoCapture());
  auto snd = std::make_shared<RecordingSnd>();
  globalSnd = snd;
  test::WriteFile(myDocsFolder + "/Data/settings.dat",
                  "settings {\n\tmusicVolume = 0.25\n\tsoundVolume = 0.75\n\tlastLoadedMusic1 = 3\n}\n");
  options->loadOptions();
  EXPECT_EQ(snd->calls, (std::vector<std::string>{"music 0.250000", "sound 0.750000"}));
  snd->calls.clear();
  options->loadLastMusic();
  EXPECT_EQ(snd->calls, std::vector<std::string>{"track 3"});
  snd->calls.clear();
  options->lastLoadedMusic = 0;  // none stored: nothing to open
  options->loadLastMusic();
  EXPECT_TRUE(snd->calls.empty());
}

}  // namespace
}  // namespace sorvanta
