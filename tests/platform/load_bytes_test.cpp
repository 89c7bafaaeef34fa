// LoadBytes returns a file's bytes exactly, whatever its size, and also from
// files that report no size.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/files.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

std::string ReadWithStdio(const std::string& path) {
  std::string bytes;
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    for (int c; (c = std::fgetc(f)) != EOF;) bytes += static_cast<char>(c);
    std::fclose(f);
  }
  return bytes;
}

TEST(LoadBytes, ReadsEveryByteOfFilesOfAnySize) {
  test::TempFolder dir;
  for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{65536}, std::size_t{300001}}) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + 7) % 256);
    const std::string path = dir / std::string("f").append(std::to_string(size));
    test::WriteFile(path, bytes);
    EXPECT_EQ(LoadBytes(path), bytes) << size;
  }
  // A file whose size reads as 0 still gives its content.
  const std::string cmdline = ReadWithStdio("/proc/self/cmdline");
  ASSERT_FALSE(cmdline.empty());
  EXPECT_EQ(LoadBytes("/proc/self/cmdline"), cmdline);
}

}  // namespace
}  // namespace sorvanta
