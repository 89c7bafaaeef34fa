#include "screens/options.h"

#include <gtest/gtest.h>

#include "core/globals.h"
#include "platform/files.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

using test::ReadFile;
using test::WriteFile;

const char kFirstRunFile[] =
    "settings {\n"
    "\tfullScreen = 1\n"
    "\twideScreen = 1\n"
    "\tcustomCursor = 1\n"
    "\tmusicVolume = 0.500000000\n"
    "\tsoundVolume = 0.500000000\n"
    "\tlastLoadedMusic1 = 0\n"
    "}\n"
    "\n";

// A settings model over a scratch per-user folder.
class OptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    myDocsFolder = dir.path();
    WriteFile(dir / "Data/.keep", "");
  }
  std::string settings() const { return dir / "Data/settings.dat"; }
  test::TempFolder dir;
};

TEST_F(OptionsTest, FirstRunFileRoundTripAndAnExistingFileLeftAlone) {
  TOptions o;
  o.loadOptions();
  EXPECT_EQ(ReadFile(settings()), kFirstRunFile);
  EXPECT_EQ(o.fullScreen, 1);
  EXPECT_EQ(o.musicVol, 0.5f);

  o.fullScreen = 0;
  o.customCursor = 0;
  o.musicVol = 0.3f;
  o.soundVol = 0.0499999635f;  // nine steps down from 0.5: the lowest step
  o.lastLoadedMusic = 4;
  o.saveOptions();
  EXPECT_NE(ReadFile(settings()).find("\tmusicVolume = 0.300000012\n"), std::string::npos);
  TOptions back;
  back.loadOptions();
  EXPECT_EQ(back.fullScreen, 0);
  EXPECT_EQ(back.wideScreen, 1);
  EXPECT_EQ(back.customCursor, 0);
  EXPECT_EQ(back.musicVol, 0.3f);
  EXPECT_EQ(back.soundVol, 0.0499999635f);
  EXPECT_EQ(back.lastLoadedMusic, 4);

  // A later start reads the file as it stands and writes nothing.
  WriteFile(settings(), std::string(kFirstRunFile) + "# left alone\n");
  TOptions again;
  again.loadOptions();
  EXPECT_EQ(ReadFile(settings()), std::string(kFirstRunFile) + "# left alone\n");
}

TEST_F(OptionsTest, StoredValuesAreReadWithTheirRules) {
  TOptions o;
  WriteFile(settings(),
            "settings {\n\tfullScreen = 2\n\tmusicVolume = 0.04\n\tsoundVolume = 1.5\n"
            "\tlastLoadedMusic1 = 3.9\n}\n\n");
  o.loadOptions();
  EXPECT_EQ(o.fullScreen, 2);
  EXPECT_EQ(o.wideScreen, 0);    // missing key
  EXPECT_EQ(o.musicVol, 0.0f);   // below 0.05
  EXPECT_EQ(o.soundVol, 1.5f);   // no upper bound on reading
  EXPECT_EQ(o.lastLoadedMusic, 3);

  struct Row {
    const char *music, *sound;
    float wantMusic, wantSound;
  } rows[] = {
      {"0.0499999635", "0.04", 0.0499999635f, 0.0f},  // the lowest step, as nine steps down store it, stays
      {"0.04", "0.05", 0.0f, 0.05f},
      {"0", "1", 0.0f, 1.0f},
      // Numbers beyond a float's range: full volume and silence, never infinity.
      {"1e39", "-1e39", 1.0f, 0.0f},
      {"-1e39", "1e39", 0.0f, 1.0f},
  };
  for (const Row& row : rows) {
    WriteFile(settings(), std::string("settings {\n\tmusicVolume = ") + row.music + "\n\tsoundVolume = " + row.sound +
                              "\n}\n\n");
    o.loadOptions();
    EXPECT_EQ(o.musicVol, row.wantMusic) << row.music;
    EXPECT_EQ(o.soundVol, row.wantSound) << row.sound;
  }

  // Steps past the top stop at full volume.
  o.musicVol = o.soundVol = 0.95f;
  o.musicVol += 0.1f;
  o.soundVol += 0.1f;
  o.checkSoundStuff();
  EXPECT_EQ(o.musicVol, 1.0f);
  EXPECT_EQ(o.soundVol, 1.0f);

  // Volume steps up and back down land exactly on 0, so the lowest step silences.
  o.musicVol = o.soundVol = 0;
  for (float step : {0.05f, 0.05f, 0.05f, 0.05f, 0.05f, 0.05f, 0.05f, -0.05f, -0.05f, -0.05f,
                     -0.05f, -0.05f, -0.05f, -0.05f}) {
    o.musicVol += step;
    o.soundVol += step;
    o.checkSoundStuff();
  }
  EXPECT_EQ(o.musicVol, 0.0f);
  EXPECT_EQ(o.soundVol, 0.0f);
}

TEST_F(OptionsTest, FailedWriteIsReportedAndPlayGoesOn) {
  SetAtomicWriteFaultForTests([](const std::string& step) { return step == "rename"; });
  TOptions o;
  testing::internal::CaptureStderr();
  EXPECT_NO_THROW(o.loadOptions());
  EXPECT_FALSE(testing::internal::GetCapturedStderr().empty());
  SetAtomicWriteFaultForTests(nullptr);
  EXPECT_EQ(FileType(settings()), 0);
  // Nothing could be read back: the first-run values stay.
  EXPECT_EQ(o.fullScreen, 1);
  EXPECT_EQ(o.soundVol, 0.5f);

  // An earlier file survives a failed write whole.
  WriteFile(settings(), kFirstRunFile);
  o.fullScreen = 0;
  SetAtomicWriteFaultForTests([](const std::string& step) { return step == "write"; });
  testing::internal::CaptureStderr();
  o.saveOptions();
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(ReadFile(settings()), kFirstRunFile);
}

}  // namespace
}  // namespace sorvanta
