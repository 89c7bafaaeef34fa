// The name entry dialog: what a typed character does, the acceptance rules,
// and the dialog run through scripted frames.
#include "screens/profile_name.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "core/frame.h"
#include "platform/pixmap.h"
#include "platform/video.h"

#include "core/shell_test_support.h"
#include "gui/gui.h"

namespace sorvanta {
namespace {

TEST(ProfileName, TypedCharactersFollowTheEntryRules) {
  struct Case {
    std::string start;
    std::u32string typed;
    std::string entry;
  };
  const std::vector<Case> cases = {
      {"", U"anna", "ANNA"},
      {"", U"é\u00ff", "É\u0178"},                 // Unicode upper case
      {"A", U"\"{}()[]+-= *!@#$%^&\\/?<>.,:;'", "A"},  // every forbidden character
      {"A", U"\t\n\r\x7f\x01", "A"},                     // control codes
      {"ABCDEFGHIJKLMNO", U"P", "ABCDEFGHIJKLMNO"},      // a 16th character
      {"ABCDEFGHIJKLMNOPQ", U"\bZ", "ABCDEFGHIJKLMNOP"},  // a longer start only shrinks
      {"", U"\b", ""},
      {"A1", U"9_", "A19_"},
  };
  TProfileName dialog;
  EXPECT_EQ(std::u32string(dialog.forbiddenChars.begin(), dialog.forbiddenChars.end()),
            U"\"{}()[]+-= *!@#$%^&\\/?<>.,:;'");  // no NUL among them
  for (const auto& c : cases) {
    dialog.entry = c.start;
    for (char32_t ch : c.typed) dialog.typeChar(static_cast<int>(ch));
    EXPECT_EQ(dialog.entry, c.entry) << c.start;
  }
}

TEST(ProfileName, DuplicatesAreRefusedAndTheFirstPlayerCannotCancel) {
  profileManager = std::make_shared<TProfileManager>();
  TProfileName dialog;
  dialog.prepare(nullptr, "PLAYER", 1, 0);
  EXPECT_FALSE(dialog.ifCanCancel());
  profileManager->CreateNewProfile(" anna ");
  auto anna = profileManager->profile;
  dialog.prepare(nullptr, "PLAYER", 0, 0);
  EXPECT_TRUE(dialog.ifCanCancel());
  dialog.entry = "ANNA";
  EXPECT_FALSE(dialog.ifCanOk());
  dialog.goOk();  // a click one frame late is refused
  EXPECT_EQ(dialog.dAlpha, 1);
  dialog.entry = "   ";
  EXPECT_FALSE(dialog.ifCanOk());
  // Renaming a player to its own name is accepted.
  dialog.editedProf = anna;
  dialog.prepare(nullptr, "ANNA", 0, 1);
  EXPECT_TRUE(dialog.ifCanOk());
  dialog.goOk();
  EXPECT_EQ(dialog.dAlpha, 0);
}

TEST(ProfileName, KeysTypedDuringTheFadeInAreTakenOnePerFrame) {
  shell_test::ShellWorld world;
  profileName = std::make_shared<TProfileName>();
  profileName->setup();
  ASSERT_TRUE(profileName->gui);
  world.h().TypeText("bo").Wait(40).HitKey(13);
  const std::string name = profileName->mainloop(nullptr, "", "", 0, 0);
  EXPECT_EQ(name, "BO");
  // Cancel with at least one player gives the empty string.
  profileManager->CreateNewProfile("X");
  world.h().Wait(40).HitKey(27);
  EXPECT_EQ(profileName->mainloop(nullptr, "ANNA", "", 0, 0), "");
}

}  // namespace
}  // namespace sorvanta

namespace sorvanta {
namespace {

// With SORVANTA_SHOTS naming a folder, the dialog over a background is
// written there as a picture to look at.
TEST(ProfileName, ShotWhenAsked) {
  const char* folder = std::getenv("SORVANTA_SHOTS");
  if (!folder) GTEST_SKIP();
  shell_test::ShellWorld world;
  profileName = std::make_shared<TProfileName>();
  profileName->setup();
  profileName->prepare(nullptr, "ANNA", 0, 0);
  for (int i = 0; i < 30; ++i) {
    Cls();
    profileName->update();
    profileName->draw();
    myFlip(0);
  }
  auto frame = world.h().LastFrame();
  ASSERT_TRUE(frame);
  std::ofstream out(std::string(folder) + "/profileName.ppm", std::ios::binary);
  out << "P6\n" << frame->width() << " " << frame->height() << "\n255\n";
  for (int y = 0; y < frame->height(); ++y)
    for (int x = 0; x < frame->width(); ++x) out.write(reinterpret_cast<const char*>(frame->row(y) + x * 4), 3);
}

}  // namespace
}  // namespace sorvanta
