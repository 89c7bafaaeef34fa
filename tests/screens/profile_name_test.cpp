// The name entry dialog: what a typed character does, the acceptance rules,
// and the dialog run through scripted frames.
#include "screens/profile_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

#include "core/frame.h"
#include "core/screen_loop.h"
#include "platform/input.h"
#include "platform/pixmap.h"
#include "platform/video.h"

#include "core/shell_test_support.h"
#include "gui/gui.h"
#include "support/shot.h"

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
      {"ABCDEFGHIJKLMN", U"OP", "ABCDEFGHIJKLMNO"},      // the 15th is the last taken
      {"ŻÓŁWŻÓŁWŻÓŁWŻÓ", U"łw", "ŻÓŁWŻÓŁWŻÓŁWŻÓŁ"},      // counted in characters, not bytes
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
  dialog.time = std::numeric_limits<int>::max();  // an earlier opening left the caret hidden
  dialog.prepare(nullptr, "PLAYER", 1, 0);
  EXPECT_EQ(dialog.switch_, 0) << "the caret's phase carries over";
  EXPECT_EQ(dialog.time, std::numeric_limits<int>::max());
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
  // The folder of a player away (BEA) or of another's last save (ZED) is taken.
  profileManager->unavailable = {"66_69_65"};
  anna->savedId = "90_69_68";
  for (const char* taken : {"BEA", "ZED"}) {
    dialog.entry = taken;
    EXPECT_FALSE(dialog.ifCanOk()) << taken;
    dialog.goOk();
    EXPECT_EQ(dialog.dAlpha, 1) << taken;
  }
  // Renaming a player to its own name is accepted.
  dialog.editedProf = anna;
  dialog.prepare(nullptr, "ANNA", 0, 1);
  EXPECT_TRUE(dialog.ifCanOk());
  dialog.goOk();
  EXPECT_EQ(dialog.dAlpha, 0);
}

TEST(ProfileName, OnlyKeysPressedSinceItOpenedCount) {
  // before: keys pressed on the screen beneath, which reads none of them;
  // during: the script from the dialog's first frame.
  struct Row {
    const char* name;
    std::string start;
    std::function<void(Harness&)> before, during;
    std::string result;
  };
  const Row rows[] = {
      {"typed during the fade-in, taken one a frame", "", nullptr,
       [](Harness& h) { h.TypeText("bo").Wait(40).HitKey(KEY_ENTER); }, "BO"},
      {"a name and Enter typed on the players' list", "PLAYER",
       [](Harness& h) { h.TypeText("zed").HitKey(KEY_ENTER); },
       [](Harness& h) { h.Wait(40).TypeText("x").Wait(5).HitKey(KEY_ENTER); }, "PLAYERX"},
      {"Escape with a player to go back to cancels", "ANNA", nullptr,
       [](Harness& h) { h.Wait(40).HitKey(KEY_ESCAPE); }, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    shell_test::ShellWorld world(shell_test::NoCapture());
    profileName = std::make_shared<TProfileName>();
    profileName->setup();
    ASSERT_TRUE(profileName->gui);
    profileManager->CreateNewProfile("X");
    world.h().SetFrameCap(300);
    if (row.before) row.before(world.h()), world.h().Frame();
    row.during(world.h());
    EXPECT_EQ(profileName->mainloop(nullptr, row.start, "", 0, 0), row.result);
  }
}

}  // namespace
}  // namespace sorvanta

namespace sorvanta {
namespace {

// The dialog as drawn: the typed name centred on x 500 below y 380, the caret
// after it, on its panel, and OK lit once there is a name. With
// SORVANTA_SHOT_DIR naming a folder, the dialog is also written there as a
// picture to look at.
TEST(ProfileName, TheTypedNameShowsCentredOnThePanel) {
  shell_test::ShellWorld world;
  profileName = std::make_shared<TProfileName>();
  profileName->setup();
  // The frame once faded in, the blinking caret held hidden (or shown).
  auto shown = [&](const std::string& name, int caret = 0) {
    profileName->prepare(nullptr, name, 0, 0);
    profileName->switch_ = caret;
    profileName->time = std::numeric_limits<int>::max();
    for (int i = 0; i < 30; ++i) {
      Cls();
      updateScreen(*profileName);
      profileName->draw();
      myFlip(0);
    }
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < 768; ++y)
      for (int x = 0; x < 1024; ++x) pixels.push_back(world.h().PixelAt(x, y));
    return pixels;
  };
  const auto empty = shown("");
  const auto anna = shown("ANNA");
  test::Shot(world.h(), "profileName");
  EXPECT_EQ(profileName->alpha, 1.0f);

  // Where the name changed the line it is typed on.
  auto changed = [&](int x, int y) { return empty[y * 1024 + x] != anna[y * 1024 + x]; };
  int left = 1024, right = -1, top = 768, bottom = -1;
  for (int y = 365; y < 430; ++y)
    for (int x = 320; x < 700; ++x)
      if (changed(x, y)) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  ASSERT_GE(right, 0) << "the name is not drawn";
  EXPECT_NEAR((left + right) / 2.0, 500.0, 3.0);
  EXPECT_GT(right - left, 40);
  EXPECT_GE(top, 380);
  EXPECT_LT(bottom, 380 + 40);
  // The caret stands after the name's last letter, on its line.
  const auto caret = shown("ANNA", 1);
  test::Shot(world.h(), "profileNameCaret");
  int caretLeft = 1024, caretRight = -1;
  for (int y = 380; y < 420; ++y)
    for (int x = 320; x < 700; ++x)
      if (caret[y * 1024 + x] != anna[y * 1024 + x])
        caretLeft = std::min(caretLeft, x), caretRight = std::max(caretRight, x);
  ASSERT_GE(caretRight, 0) << "no caret";
  EXPECT_GE(caretLeft, right - 1);
  EXPECT_LT(caretRight, right + 40);
  // OK lights up once there is a name to take.
  int okChanged = 0;
  for (int y = 440; y < 476; y += 2)
    for (int x = 340; x < 484; x += 2) okChanged += changed(x, y);
  EXPECT_GT(okChanged, 200);

  // The panel lies under it: the picture around the name is not the cleared screen.
  int lit = 0;
  for (int x = 320; x < 680; x += 4) lit += (anna[372 * 1024 + x] & 0xffffffu) != 0;
  EXPECT_GT(lit, 80) << "no panel behind the name";
}

}  // namespace
}  // namespace sorvanta
