#include "platform/folder_entries.h"

#include <gtest/gtest.h>
#include <dirent.h>

#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace sorvanta {
namespace {

// The descriptors this process holds, the one that counts them left out.
int OpenDescriptors() {
  DIR* fds = ::opendir("/proc/self/fd");
  if (!fds) return -1;
  int count = 0;
  while (const dirent* entry = ::readdir(fds))
    if (entry->d_name[0] != '.') ++count;
  ::closedir(fds);
  return count - 1;
}

// The names come sorted, without "." and ".."; what is no folder lists
// nothing. However often a folder is listed, read or not, no descriptor of
// it stays open, however long the game runs.
TEST(FolderEntries, ListsTheNamesAndLeavesNoDescriptorOpen) {
  test::TempFolder folder;
  for (const char* name : {"b", "a", ".hidden"}) test::WriteFile(folder / name, "x");
  EXPECT_EQ(FolderEntries(folder.path()), (std::vector<std::string>{".hidden", "a", "b"}));
  EXPECT_TRUE(FolderEntries(folder / "a").empty());
  EXPECT_TRUE(FolderEntries(folder / "none").empty());

  const int before = OpenDescriptors();
  if (before < 0) GTEST_SKIP() << "no /proc/self/fd to count descriptors in";
  for (int i = 0; i < 100; ++i) {
    FolderEntries(folder.path());
    FolderEntries(folder / "none");
  }
  EXPECT_EQ(OpenDescriptors(), before);
}

}  // namespace
}  // namespace sorvanta
