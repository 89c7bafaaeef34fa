#include <gtest/gtest.h>

#include <cmath>

#include "formats/rcm_file.h"
#include "platform/files.h"
#include "support/stdout_lines.h"
#include "support/temp_folder.h"

namespace sorvanta {

using test::ReadFile;
using test::TempFolder;

TEST(RcmWriter, SettingsFileIsWrittenByteForByte) {
  TempFolder dir;
  auto file = createRCMFile();
  for (const char* key : {"fullScreen", "wideScreen", "customCursor"})
    file->setFloat(std::string("settings::") + key, 1, 0);
  file->setFloat("settings::musicVolume", 0.5f, 0);
  file->setFloat("settings::lastLoadedMusic1", 0, 0);
  EXPECT_EQ(file->save(dir / "settings.dat"), 0);
  EXPECT_EQ(ReadFile(dir / "settings.dat"),
            "settings {\n\tfullScreen = 1\n\twideScreen = 1\n\tcustomCursor = 1\n"
            "\tmusicVolume = 0.500000000\n\tlastLoadedMusic1 = 0\n}\n\n");
}

const char* const kTreeText =
    "profile {\n\n"
    "\tdata {\n"
    "\t\tname = \"Ala\"\n\t\tscore = 12\n\t\tspeed = 0.100000001\n"
    "\t\tlist = 0, -3\n\t\tpair = \"a\", \"b\"\n"
    "\t\tsub {\n\t\t\tdeep = 7\n\t\t}\n\n"
    "\t}\n\n"
    "\tempty {\n\n\t}\n\n"
    "}\n\n"
    "other {\n\tword = \"\"\n}\n\n";

TEST(RcmWriter, TreeIsWrittenByteForByteAndReadsBack) {
  TempFolder dir;
  auto file = createRCMFile();
  file->setString("profile::data::name", "Ala", 0);
  file->setFloat("profile::data::score", 12, 0);
  file->setFloat("profile::data::speed", 0.1f, 0);
  file->setFloat("profile::data::list", -3, 1);  // slot 0 stays empty
  file->setString("profile::data::pair", "b", 1);
  file->setString("profile::data::pair", "a", 0);
  file->setFloat("profile::data::sub::deep", 7, 0);
  file->getGroupSet({"profile", "empty", "key"});
  file->setString("top", "not written", 0);  // root entries are never written
  file->setString("other::word", "", 0);
  file->save(dir / "tree.dat");
  EXPECT_EQ(ReadFile(dir / "tree.dat"), kTreeText);

  auto back = loadRCMFile(dir / "tree.dat");
  EXPECT_EQ(back->_grupa->_id, "MAINGROUP");
  EXPECT_EQ(back->getString("profile::data::name"), "Ala");
  // Number values keep the blank the writer put before them.
  EXPECT_EQ(back->getString("profile::data::score"), " 12");
  EXPECT_FLOAT_EQ(back->getFloat("profile::data::speed"), 0.1f);
  EXPECT_EQ(back->getString("top"), "");
  // Written again, the only change is the blank that non-integral numbers gain.
  std::string expected = kTreeText;
  expected.replace(expected.find("= 0.1"), 1, "= ");
  EXPECT_EQ(back->toText(), expected);
}

TEST(RcmWriter, TextEncodingFollowsTheCharacters) {
  TempFolder dir;
  auto latin = createRCMFile();
  latin->setString("p::name", "Zoé", 0);
  latin->save(dir / "latin.dat");
  EXPECT_EQ(ReadFile(dir / "latin.dat"), "p {\n\tname = \"Zo\xE9\"\n}\n\n");
  EXPECT_EQ(loadRCMFile(dir / "latin.dat")->getString("p::name"), "Zoé");

  // A character above U+00FF makes the file UTF-16 LE with its mark.
  auto wide = createRCMFile();
  wide->setString("p::name", "Zażółć", 0);
  wide->save(dir / "wide.dat");
  const std::string bytes = ReadFile(dir / "wide.dat");
  EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFEp\0", 4));
  EXPECT_EQ(bytes.size(), 2 + 2 * std::string("p {\n\tname = \"Zazolc\"\n}\n\n").size());
  EXPECT_EQ(loadRCMFile(dir / "wide.dat")->getString("p::name"), "Zażółć");
}

TEST(RcmWriter, NumberValuesAreWrittenAsIntegersWhenIntegral) {
  auto file = createRCMFile();
  file->setFloat("g::n", 2.5f, 0);
  file->setString("g::n", "x", 1);      // not a number: its integer reading, 0
  file->setString("g::n", " 4.0", 2);   // integral: written as 4
  file->setString("g::n", "1e20", 3);   // integer reading 1 differs: kept
  file->setString("g::s", "one", 0);
  file->setFloat("g::s", 0.25f, 1);     // a string entry stays a string entry
  // Non-finite numbers could not be read back: they are written as 0.
  file->setFloat("g::i", INFINITY, 0);
  file->setFloat("g::i", NAN, 1);
  EXPECT_EQ(file->toText(),
            "g {\n\tn = 2.50000000, 0, 4, 1e20\n\ts = \"one\", \"0.250000000\"\n"
            "\ti = 0, 0\n}\n\n");
  EXPECT_EQ(file->getString("g::n", 2), " 4.0");  // writing leaves the entry as it was
}

TEST(RcmWriter, EmptyFileAndFailedWrite) {
  TempFolder dir;
  auto file = createRCMFile();
  file->save(dir / "empty.dat");
  EXPECT_EQ(ReadFile(dir / "empty.dat"), "");
  EXPECT_EQ(FileType(dir / "empty.dat"), 1);
  EXPECT_TRUE(test::StdoutLines([&] { loadRCMFile(dir / "empty.dat"); }).empty());

  // A write that fails part-way leaves the old file whole and is reported.
  const std::string path = dir / "keep.dat";
  file->setFloat("a::b", 1, 0);
  file->save(path);
  file->setFloat("a::b", 2, 0);
  SetAtomicWriteFaultForTests([](const std::string& step) { return step == "rename"; });
  testing::internal::CaptureStdout();
  EXPECT_EQ(file->save(path), 0);
  const std::string out = testing::internal::GetCapturedStdout();
  SetAtomicWriteFaultForTests(nullptr);
  EXPECT_EQ(out, "Napotkano problem : Nie udalo sie zapisac pliku : " + path + "\n");
  EXPECT_EQ(ReadFile(path), "a {\n\tb = 1\n}\n\n");
}

}  // namespace sorvanta
