#include <gtest/gtest.h>

#include <sys/stat.h>

#include "formats/rcm_file.h"
#include "support/temp_folder.h"

namespace sorvanta {

using test::TempFolder;
using test::WriteFile;

namespace {

// Reads text as a data file; the standard output of the read goes to *out.
std::shared_ptr<TRCMFile> readText(const TempFolder& dir, const std::string& text,
                                   std::string* out = nullptr) {
  const std::string path = dir / "in.dat";
  WriteFile(path, text);
  testing::internal::CaptureStdout();
  auto file = loadRCMFile(path);
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
  // No line break after the last brace reads the same as with one.
  auto f = readText(dir, "g {\n\tx = 5\n}");
  EXPECT_EQ(f->getString("g::x"), " 5");
  EXPECT_EQ(f->_txt, "g {\n\tx = 5\n}\n");

  // An entry on the line of the closing brace is lost.
  f = readText(dir, "g {\n\tx = 1 }\n");
  EXPECT_EQ(entryCount(f->getGroup({"g", "x"})), 0u);

  // A value after a second "=" is dropped; the leading blank stays.
  f = readText(dir, "g {\n\tx = 1 = 2\n}\n");
  EXPECT_EQ(f->getString("g::x"), " 1 ");
  EXPECT_EQ(f->getString("g::x", 1), "");

  // A line without "=" is glued onto the next key.
  f = readText(dir, "g {\n\tfoo\n\tbar = \"v\"\n}\n");
  EXPECT_EQ(f->getString("g::foo\tbar"), "v");

  // An entry after a subgroup belongs to the outer group.
  f = readText(dir, "a {\n\tb {\n\t\tx = 1\n\t}\n\ty = 2\n}\n");
  EXPECT_EQ(f->getString("a::y"), " 2");
  EXPECT_EQ(f->getString("a::b::x"), " 1");
  EXPECT_EQ(entryCount(f->getGroup({"a", "k"})), 1u);

  // Two commas in a row give an empty number value, written back as 0.
  f = readText(dir, "g {\n\tn = 1,,3\n}\n");
  EXPECT_EQ(f->getString("g::n", 1), "");
  EXPECT_FLOAT_EQ(f->getFloat("g::n", 1), 0.0f);
  EXPECT_FLOAT_EQ(f->getFloat("g::n", 2), 3.0f);
  EXPECT_EQ(f->toText(), "g {\n\tn = 1, 0, 3\n}\n\n");

  // A leading decimal point makes a string entry, which loses three characters.
  f = readText(dir, "g {\n\tv = .5\n\tw = -0.5\n}\n");
  EXPECT_EQ(f->getGroup({"g", "v"})->getEntry("v")->_type, RCM_string_);
  EXPECT_EQ(f->getString("g::v"), "");
  EXPECT_FLOAT_EQ(f->getFloat("g::w"), -0.5f);

  // String values: a comma between quotes stays; no blank after "=" costs the
  // opening quote and the first character.
  f = readText(dir, "g {\n\ts = \"a,b\", \"c\"\n\tt =\"xyz\"\n}\n");
  EXPECT_EQ(f->getString("g::s", 0), "a,b");
  EXPECT_EQ(f->getString("g::s", 1), "c");
  EXPECT_EQ(f->getString("g::t"), "yz");

  // CR LF line ends read like LF.
  f = readText(dir, "g {\r\n\tx = \"a\"\r\n}\r\n");
  EXPECT_EQ(f->getString("g::x"), "a");

  // A key with nothing after "=" reads as one empty string value.
  f = readText(dir, "g {\n\tk =\n}\n");
  EXPECT_EQ(entryCount(f->getGroup({"g", "k"})), 1u);
  EXPECT_EQ(f->toText(), "g {\n\tk = \"\"\n}\n\n");
}

TEST(RcmReader, PathsIgnoreCaseAndTakeTheFirstMatch) {
  TempFolder dir;
  auto f = readText(dir, "top = 7\nG {\n\tKey = \"one\"\n\tkey = \"two\"\n}\ng {\n\tk = \"x\"\n}\n");
  EXPECT_EQ(f->getString("top"), " 7");
  EXPECT_EQ(f->getString("g::key"), "one");
  EXPECT_EQ(f->getString("G::KEY"), "one");
  EXPECT_EQ(f->getString("g::k"), "");  // the first group named g has no k
  EXPECT_EQ(f->getString("g::key::"), "one");

  auto n = createRCMFile();
  n->setString("profile::data::name", "Ala", 0);
  n->setString("PROFILE::Data::NAME", "Ola", 0);
  EXPECT_EQ(n->getString("Profile::DATA::name"), "Ola");
  EXPECT_EQ(n->_grupa->_listaGrup.size(), 1u);
  EXPECT_EQ(n->_grupa->_listaGrup[0]->_id, "profile");
}

TEST(RcmReader, MissingValuesReadAsDefaults) {
  auto f = createRCMFile();
  f->setFloat("g::n", 4, 0);
  f->setFloat("g::n", 3, 1);
  EXPECT_EQ(f->getString("g::n", 2), "");
  EXPECT_FLOAT_EQ(f->getFloat("g::n", 2), 0.0f);
  EXPECT_EQ(f->getString("g::missing"), "");
  EXPECT_EQ(f->getString("nogroup::n"), "");
  EXPECT_FLOAT_EQ(f->getFloat("nogroup::n"), 0.0f);

  // Negative indices and empty paths find nothing and set nothing.
  EXPECT_EQ(f->getString("g::n", -1), "");
  EXPECT_FLOAT_EQ(f->getFloat("g::n", -1), 0.0f);
  EXPECT_EQ(f->getString(""), "");
  f->setString("h::x", "v", -1);
  f->setFloat("h::y", 1, -5);
  f->setString("", "v", 0);
  f->_grupa->_listaGrup[0]->setStringEntry("z", "v", -1);
  EXPECT_EQ(f->toText(), "g {\n\tn = 4, 3\n}\n\n");

  // debugPrint dumps the group first.
  testing::internal::CaptureStdout();
  EXPECT_FLOAT_EQ(f->getFloat("g::n", 1, 1), 3.0f);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "g{\n\tn = 4, 3\n}\n");
}

TEST(RcmReader, FilesThatCannotBeReadReportAndReadEmpty) {
  TempFolder dir;
  testing::internal::CaptureStdout();
  auto f = loadRCMFile(dir / "none.dat");
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Napotkano problem : Nie znaleziono pliku : " + dir / "none.dat" + "\n");
  EXPECT_EQ(f->getString("a::b"), "");
  EXPECT_EQ(f->_realPath, dir / "none.dat");

  // A folder is as good as missing, and nothing is thrown.
  testing::internal::CaptureStdout();
  f = loadRCMFile(dir.path());
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Napotkano problem : Nie znaleziono pliku : " + dir.path() + "\n");
  EXPECT_TRUE(f->_grupa->_listaGrup.empty());

  std::string out;
  f = readText(dir, "a {\n{\nb {\n}\n}\n", &out);
  EXPECT_EQ(out, "Napotkano problem : Blad nawiasow klamrowych! \"{\" - 3 \"}\" - 2\n");
  EXPECT_TRUE(f->_grupa->_listaGrup.empty());
  EXPECT_EQ(f->_grupa->_id, "");

  // Braces between quotes are not counted, but are read as structure: the
  // quoted one closes the group and its line is lost.
  f = readText(dir, "a {\n\tx = \"}\"\n}\n", &out);
  EXPECT_EQ(out, "");
  EXPECT_EQ(entryCount(f->getGroup({"a", "x"})), 0u);
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
  EXPECT_EQ(a->_pos, 0);
  EXPECT_EQ(f->getString("b::z"), "");
  EXPECT_EQ(f->getString("a::b::z"), " 2");

  // Many such braces would cost exponential time if each open group made
  // its parent read its text again.
  std::string nested;
  for (int i = 0; i < 200; ++i) nested += "k = \"{\"\n";
  f = readText(dir, nested, &out);
  int depth = 0;
  for (auto g = f->_grupa; !g->_listaGrup.empty(); g = g->_listaGrup[0]) ++depth;
  EXPECT_EQ(depth, 200);

  // A top-level "}" ends reading.
  f = readText(dir, "a {\n}\n}\nb {\n}\n{\n", &out);
  EXPECT_EQ(f->_grupa->_listaGrup.size(), 1u);
  EXPECT_EQ(f->_grupa->_pos, 7);
  EXPECT_EQ(f->_grupa->_listaGrup[0]->_pos, 2);

  // Positions count characters, not bytes of their UTF-8 form.
  f = readText(dir, "\xEF\xBB\xBFg {\n\tx = \"\xC5\xBC\xC3\xB3\xC5\x82w\"\n}\n", &out);
  ASSERT_EQ(f->_grupa->_listaGrup.size(), 1u);
  EXPECT_EQ(f->_grupa->_listaGrup[0]->_pos, 14);
}

TEST(RcmReader, DeepNestingNeitherOverflowsNorLeaks) {
  TempFolder dir;
  const int depth = 200000;
  auto f = readText(dir, std::string(depth, '{') + std::string(depth, '}'));
  int seen = 0;
  for (auto g = f->_grupa; !g->_listaGrup.empty(); g = g->_listaGrup[0]) ++seen;
  EXPECT_EQ(seen, depth);
  f.reset();

  auto small = readText(dir, std::string(50, '{') + "x = 1\n" + std::string(50, '}'));
  // Unnamed groups write no header and no closing line.
  EXPECT_EQ(small->toText(), std::string(49, '\n') + std::string(50, '\t') + "x = 1\n");
}

}  // namespace sorvanta
