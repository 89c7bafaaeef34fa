#include "platform/incbin.h"

#include <gtest/gtest.h>

namespace sorvanta {

TEST(Incbin, BothFontsAreEmbeddedAsTrueType) {
  for (const char* name : {"font.ttf", "font2.ttf"}) {
    std::string_view data = IncbinGet(name);
    ASSERT_GT(data.size(), 1000u) << name;
    // TrueType files begin with the version 0x00010000.
    EXPECT_EQ(std::string(data.substr(0, 4)), std::string("\0\1\0\0", 4)) << name;
  }
  EXPECT_TRUE(IncbinGet("missing.ttf").empty());
  std::string name;
  EXPECT_TRUE(IsIncbinPath("incbin::font2.ttf", &name));
  EXPECT_EQ(name, "font2.ttf");
  EXPECT_FALSE(IsIncbinPath("gfx/fonts/font.ttf"));
}

}  // namespace sorvanta
