#include "formats/bounded_count.h"

#include <gtest/gtest.h>

#include <climits>

#include "formats/rcm_file.h"
#include "support/stdout_lines.h"

namespace sorvanta {
namespace {

// A count is read as it stands up to the entries present and the global
// limit; beyond them it stops there with one line; below 0 it is 0.
TEST(BoundedCount, CountsStopAtTheEntriesPresentOrTheLimit) {
  struct Row {
    int value, present, expected;
    bool reported;
  };
  const Row rows[] = {
      {3, 5, 3, false},        {5, 5, 5, false},      {0, 5, 0, false},
      {-7, 5, 0, false},       {6, 5, 5, true},       {INT_MAX, 0, 0, true},
      {20'000, 50'000, kMaxFileCount, true},          {kMaxFileCount, INT_MAX, kMaxFileCount, false},
  };
  for (const Row& r : rows) {
    int got = -1;
    const auto lines = test::StdoutLines([&] { got = boundedCount(r.value, r.present, "g::n"); });
    EXPECT_EQ(got, r.expected) << r.value << " of " << r.present;
    ASSERT_EQ(lines.size(), r.reported ? 1u : 0u) << r.value << " of " << r.present;
    if (r.reported) {
      EXPECT_EQ(lines[0], "Napotkano problem : Liczba poza zakresem : g::n = " + std::to_string(r.value) +
                              " (czytam " + std::to_string(r.expected) + ")");
    }
  }
}

TEST(BoundedCount, NumberedGroupsPresentIsTheHighestNumber) {
  auto file = createRCMFile();
  for (const char* path : {"g::Snd1::id", "g::snd3::id", "g::snd03x::id", "g::snd0::id", "g::sndx::id",
                           "g::music9::id", "g::snd123456::id", "g::note12345::id", "g::note7::id"})
    file->setString(path, "x", 0);
  const auto group = file->getGroup({"g", "snd"});
  EXPECT_EQ(numberedGroupsPresent(group, "SND"), 3);
  EXPECT_EQ(numberedGroupsPresent(group, "music"), 9);
  EXPECT_EQ(numberedGroupsPresent(group, "note"), 12345);  // five digits are the most read
  EXPECT_EQ(numberedGroupsPresent(group, "none"), 0);
  EXPECT_EQ(numberedGroupsPresent(nullptr, "snd"), 0);
}

}  // namespace
}  // namespace sorvanta
