#include <gtest/gtest.h>

#include <filesystem>

#include "formats/rcm_file.h"
#include "formats/txt_file.h"
#include "platform/files.h"
#include "support/temp_folder.h"

namespace sorvanta {

using test::TempFolder;

namespace {

// Reads text as a data file; what the read prints goes to *out.
std::shared_ptr<TRCMFile> readText(const TempFolder& dir, const std::string& text,
                                   std::string* out = nullptr) {
  test::WriteFile(dir / "in.dat", text);
  testing::internal::CaptureStdout();
  auto file = loadRCMFile(dir / "in.dat");
  const std::string printed = testing::internal::GetCapturedStdout();
  if (out) *out = printed;
  return file;
}

size_t entryCount(const std::shared_ptr<TRCMGroup>& group) {
  return group ? group->_listaWpisow.size() : 0;
}

}  // namespace

TEST(RcmReader, LineQuirksThatStoredFilesRelyOn) {
  TempFolder dir;
  // A value after a second "=" is dropped; the leading blank stays.
  auto f = readText(dir, "g {\n\tx = 1 = 2\n}");
  EXPECT_EQ(f->getString("g::x"), " 1 ");
  EXPECT_EQ(f->getString("g::x", 1), "");

  // A line without "=" is glued onto the next key; an entry on the line of
  // the closing brace is lost; an entry after a subgroup is the outer one's.
  f = readText(dir, "g {\n\tfoo\n\tbar = \"v\"\n}\na {\n\tb {\n\t\tx = 1 }\n\ty = 2\n}\n");
  EXPECT_EQ(f->getString("g::foo\tbar"), "v");
  EXPECT_EQ(entryCount(f->getGroup({"a", "b", "k"})), 0u);
  EXPECT_EQ(f->getString("a::y"), " 2");

  // Two commas in a row give an empty number value, written back as 0; a
  // leading decimal point makes a string entry, which loses three characters.
  f = readText(dir, "g {\n\tn = 1,,3\n\tv = .5\n}\n");
  EXPECT_EQ(f->getString("g::n", 1), "");
  EXPECT_FLOAT_EQ(f->getFloat("g::n", 2), 3.0f);
  EXPECT_EQ(f->getString("g::v"), "");
  EXPECT_EQ(f->toText(), "g {\n\tn = 1, 0, 3\n\tv = \"\"\n}\n\n");

  // String values: a comma between quotes stays; no blank after "=" costs the
  // opening quote and the first character; nothing after "=" is one "" value.
  // CR LF reads like LF.
  f = readText(dir, "g {\r\n\ts = \"a,b\", \"c\"\r\n\tt =\"xyz\"\r\n\tk =\r\n}\r\n");
  EXPECT_EQ(f->getString("g::s", 0), "a,b");
  EXPECT_EQ(f->getString("g::s", 1), "c");
  EXPECT_EQ(f->getString("g::t"), "yz");
  EXPECT_EQ(f->toText(), "g {\n\ts = \"a,b\", \"c\"\n\tt = \"yz\"\n\tk = \"\"\n}\n\n");
}

// A text reads back whole when the writer, given what the reader made of
// each line, writes the line back as it stands, blanks and line ends aside,
// and when it holds no control character but TAB, CR and LF.
TEST(RcmReader, ATextIsBrokenWhenALineWouldNotBeWrittenBackAsItStands) {
  struct Case {
    const char* name;
    std::string text;
    bool whole;
  };
  const Case cases[] = {
      {"as the writer puts it", "g {\n\tk = 1, -2, 0.500000000\n\ts = \"a, b\", \"\"\n}\n\n", true},
      {"spaced by hand, CR LF, no last line break", "g{\r\n  k=1 ,-2\r\n s = \"a, b\"\t\r\n}", true},
      {"an entry on its group's line, one after a subgroup", "a { k = 1\n b {\n  x = 1\n }\n y = 2\n}\n", true},
      {"an empty group inside a line", "g {\n\tk = 3, 1{}, 1\n}\n", false},
      {"a NUL inside a line", std::string("g {\n\tk = 3") + '\0' + ", 1\n}\n", false},
      {"a control byte", "g {\n\ts = \"a\x1b\"\n}\n", false},
      {"DEL", "g {\n\ts = \"a\x7f\"\n}\n", false},
      {"a line feed inside a line", "g {\n\tk = 3,\n 1, 1\n}\n", false},
      {"a CR inside a value", "g {\n\ts = \"a\rb\"\n}\n", false},
      {"a second =", "g {\n\tk = 1 = 2\n}\n", false},
      {"a line without =", "g {\n\tfoo\n\tk = 1\n}\n", false},
      {"an entry on the closing brace's line", "g {\n\tk = 1 }\n", false},
      {"a number with letters", "g {\n\tk = 1x\n}\n", false},
      {"two commas in a row", "g {\n\tk = 1,,3\n}\n", false},
      {"a string without its blank", "g {\n\ts =\"xyz\"\n}\n", false},
      {"a string with two blanks", "g {\n\ts =  \"xyz\"\n}\n", false},
      {"an entry of the root", "k = 1\ng {\n}\n", false},
      {"a group without a name", "{\n\tk = 1\n}\n", false},
      {"a last line without its line break", "g {\n}\nh = 1", false},
  };
  TempFolder dir;
  for (const Case& c : cases) EXPECT_EQ(!readText(dir, c.text)->broken, c.whole) << c.name;
}

TEST(RcmReader, PathsDefaultsAndBadIndices) {
  TempFolder dir;
  auto f = readText(dir, "top = 7\nG {\n\tKey = \"one\"\n\tkey = \"two\"\n}\ng {\n\tk = \"x\"\n}\n");
  EXPECT_EQ(f->getString("top"), " 7");
  EXPECT_EQ(f->getString("G::KEY"), "one");
  EXPECT_EQ(f->getString("g::k"), "");  // the first group named g has no k
  EXPECT_EQ(f->getString("g::key::"), "one");

  f = createRCMFile();
  f->setString("PROFILE::Data::n", "x", 0);
  f->setFloat("profile::data::N", 3, 1);
  EXPECT_EQ(f->toText(), "PROFILE {\n\n\tData {\n\t\tn = \"x\", \"3.00000000\"\n\t}\n\n}\n\n");
  EXPECT_EQ(f->getString("profile::data::n", 2), "");
  EXPECT_FLOAT_EQ(f->getFloat("nogroup::n"), 0.0f);

  // Negative indices and empty paths find nothing and set nothing.
  EXPECT_EQ(f->getString("profile::data::n", -1), "");
  EXPECT_FLOAT_EQ(f->getFloat("profile::data::n", -1), 0.0f);
  EXPECT_EQ(f->getString(""), "");
  f->setString("h::x", "v", -1);
  f->setFloat("h::y", 1, -5);
  f->setString("", "v", 0);
  f->_grupa->_listaGrup[0]->setStringEntry("z", "v", -1);
  EXPECT_EQ(f->_grupa->_listaGrup.size(), 1u);
  EXPECT_EQ(entryCount(f->_grupa->_listaGrup[0]), 0u);

  // debugPrint dumps the group first.
  f = readText(dir, "g {\n\tn = 4, 3\n}\n");
  testing::internal::CaptureStdout();
  EXPECT_FLOAT_EQ(f->getFloat("g::n", 1, 1), 3.0f);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "g{\n\tn = 4, 3\n}\n");
}

TEST(RcmReader, FilesThatCannotBeReadReportAndReadEmpty) {
  TempFolder dir;
  // Missing, or a folder: reported, read as empty, nothing thrown.
  for (const std::string& path : {dir / "none.dat", dir.path()}) {
    testing::internal::CaptureStdout();
    auto f = loadRCMFile(path);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Napotkano problem : Nie znaleziono pliku : " + path + "\n");
    EXPECT_TRUE(f->_grupa->_listaGrup.empty());
    EXPECT_EQ(f->_realPath, path);
  }

  std::string out;
  auto f = readText(dir, "a {\n{\nb {\n}\n}\n", &out);
  EXPECT_EQ(out, "Napotkano problem : Blad nawiasow klamrowych! \"{\" - 3 \"}\" - 2\n");
  EXPECT_TRUE(f->_grupa->_listaGrup.empty());
  EXPECT_TRUE(f->broken);

  // Braces between quotes are not counted, but are read as structure: the
  // quoted one closes the group and its line is lost.
  f = readText(dir, "a {\n\tx = \"}\"\n}\n", &out);
  EXPECT_EQ(out, "");
  EXPECT_EQ(entryCount(f->getGroup({"a", "x"})), 0u);
  EXPECT_TRUE(f->broken) << "its own closing brace closed the top";
}

// A data or text file beyond the size limit is refused unread with one line,
// and reads as empty; one at the limit reads as usual.
TEST(RcmReader, FilesBeyondTheSizeLimitAreRefusedByBothReaders) {
  TempFolder dir;
  const std::string path = dir / "big.dat";
  // Past 4 GiB (sparse): a 32-bit size or offset would wrap or fail there.
  for (const std::uintmax_t size : {kMaxTextFileBytes, kMaxTextFileBytes + 1, (std::uintmax_t{1} << 32) + 1}) {
    const bool refused = size > kMaxTextFileBytes;
    test::WriteFile(path, "a {\n\tk = 1\n}\n");
    std::filesystem::resize_file(path, size);  // padded with NULs after the group
    const std::string line = refused ? "Napotkano problem : Plik jest za duzy : " + path + "\n" : "";

    testing::internal::CaptureStdout();
    auto data = loadRCMFile(path);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), line) << size;
    EXPECT_EQ(data->getString("a::k", 0), refused ? "" : " 1") << size;

    testing::internal::CaptureStdout();
    auto text = loadTxtFile(path);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), line) << size;
    EXPECT_EQ(readTxtData(text, 1), refused ? "(BEYOND TEXT ARRAY LENGTH!)" : "a {") << size;
  }
}

TEST(RcmReader, GroupsLeftOpenEndAtTheEndOfTheText) {
  TempFolder dir;
  // The brace between quotes opens a group that never closes; the text after
  // it belongs to that group, which ends with the text.
  std::string out;
  auto f = readText(dir, "a {\n\tx = \"{\"\n\ty = 1\n}\nb {\n\tz = 2\n}\n", &out);
  EXPECT_EQ(out, "");
  auto a = f->getGroup({"a", "k"});
  ASSERT_NE(a, nullptr);
  ASSERT_EQ(a->_listaGrup.size(), 2u);
  EXPECT_EQ(a->_listaGrup[0]->_id, "x = \"");
  EXPECT_EQ(f->getString("b::z"), "");
  EXPECT_EQ(f->getString("a::b::z"), " 2");
  EXPECT_TRUE(f->broken);

  // Many such braces would cost exponential time if each open group made
  // its parent read its text again.
  std::string nested;
  for (int i = 0; i < 200; ++i) nested += "k = \"{\"\n";
  f = readText(dir, nested);
  int depth = 0;
  for (auto g = f->_grupa; !g->_listaGrup.empty(); g = g->_listaGrup[0]) ++depth;
  EXPECT_EQ(depth, 200);

  // A top-level "}" ends reading. Positions count characters, not bytes.
  f = readText(dir, "a {\n}\n}\nb {\n}\n{\n");
  EXPECT_EQ(f->_grupa->_listaGrup.size(), 1u);
  EXPECT_EQ(f->_grupa->_pos, 7);
  EXPECT_TRUE(f->broken);
  f = readText(dir, "\xEF\xBB\xBFg {\n\tx = \"\xC5\xBC\xC3\xB3\xC5\x82w\"\n}\n");
  ASSERT_EQ(f->_grupa->_listaGrup.size(), 1u);
  EXPECT_EQ(f->_grupa->_listaGrup[0]->_pos, 14);
  EXPECT_FALSE(f->broken);
}

TEST(RcmReader, DeepNestingNeitherOverflowsNorLeaks) {
  TempFolder dir;
  const int depth = 200000;
  auto f = readText(dir, std::string(depth, '{') + std::string(depth, '}'));
  int seen = 0;
  for (auto g = f->_grupa; !g->_listaGrup.empty(); g = g->_listaGrup[0]) ++seen;
  EXPECT_EQ(seen, depth);
  // Written back without recursion too (a shallower tree: the indentation
  // makes writing quadratic in depth). Unnamed groups write no header and no
  // closing line, only the blank line of a group without entries; compared
  // by size, as a diff of strings this long would exhaust memory.
  f = readText(dir, std::string(depth / 4, '{') + std::string(depth / 4, '}'));
  const std::string text = f->toText();
  EXPECT_EQ(text.size(), static_cast<size_t>(depth / 4));
  EXPECT_EQ(text.find_first_not_of('\n'), std::string::npos);
}

}  // namespace sorvanta
