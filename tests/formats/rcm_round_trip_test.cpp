// Every string value the writer puts in a data file reads back: characters
// the reader cannot hold are dropped at write time, and said so.
#include <gtest/gtest.h>

#include <algorithm>

#include "formats/rcm_file.h"
#include "support/stdout_lines.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

TEST(RcmRoundTrip, StringValuesReadBackAndUnreadableCharactersAreDroppedWithOneLine) {
  struct Case {
    const char* value;
    const char* readBack;
  };
  const Case cases[] = {
      {"plain", "plain"},
      {"a, b", "a, b"},  // commas inside quotes stay one value
      {"  spaced\ttab ", "  spaced\ttab "},
      {"Zo\xc3\xab \xe2\x80\x94 \xc5\x82", "Zo\xc3\xab \xe2\x80\x94 \xc5\x82"},
      {"", ""},
      {"say \"hi\"", "say hi"},
      {"a=b", "ab"},
      {"two\nlines", "twolines"},
      {"cr\r\nlf", "crlf"},
      {"{brace}", "brace"},
  };
  test::TempFolder dir;
  auto file = createRCMFile();
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    file->setString("g::k" + std::to_string(i), cases[i].value, 0);
    file->setString("g::k" + std::to_string(i), "second", 1);
  }
  file->setFloat("g::after", 5, 0);
  const auto lines = test::StdoutLines([&] { file->save(dir / "f.dat"); });

  auto back = loadRCMFile(dir / "f.dat");
  std::vector<std::string> named;
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const std::string key = std::string("k").append(std::to_string(i));
    EXPECT_EQ(back->getString("g::" + key, 0), cases[i].readBack) << key;
    EXPECT_EQ(back->getString("g::" + key, 1), "second") << key;
    if (std::string(cases[i].value) != cases[i].readBack) named.push_back(key);
  }
  EXPECT_EQ(back->getFloat("g::after"), 5.0f);
  ASSERT_EQ(lines.size(), named.size());
  for (std::size_t i = 0; i < named.size(); ++i) {
    EXPECT_EQ(lines[i].rfind("Napotkano problem : ", 0), 0u) << lines[i];
    EXPECT_TRUE(lines[i].ends_with(" " + named[i])) << lines[i];
  }
}

}  // namespace
}  // namespace sorvanta
