// The name entry dialog: what a typed character does, the acceptance rules,
// and the dialog run through scripted frames.
#include "screens/profile_name.h"

#include <gtest/gtest.h>

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
