#include "formats/txt_file.h"

#include <gtest/gtest.h>

#include "core/globals.h"
#include "support/temp_folder.h"

namespace sorvanta {

using test::TempFolder;
using test::WriteFile;

namespace {

const char* const kBeyond = "(BEYOND TEXT ARRAY LENGTH!)";

// Sets bDir for one test and restores it afterwards.
class ResourceFolder {
 public:
  explicit ResourceFolder(const std::string& dir) : saved_(bDir) { bDir = dir; }
  ~ResourceFolder() { bDir = saved_; }

 private:
  std::string saved_;
};

}  // namespace

TEST(TxtFile, LinesAreCutAtLineFeedsOnly) {
  TempFolder dir;
  WriteFile(dir / "a.txt", "one\n\ntwo");
  auto f = loadTxtFile(dir / "a.txt");
  EXPECT_EQ(f->lines(), 3);
  EXPECT_EQ(readTxtData(f, 1), "one");
  EXPECT_EQ(readTxtData(f, 2), "");
  EXPECT_EQ(readTxtData(f, 3), "two");

  WriteFile(dir / "b.txt", "first\r\nsecond\r\n");
  f = loadTxtFile(dir / "b.txt");
  EXPECT_EQ(f->lines(), 2);
  EXPECT_EQ(readTxtData(f, 1), "first\r");
  EXPECT_EQ(readTxtData(f, 0), kBeyond);
  EXPECT_EQ(readTxtData(f, 3), kBeyond);
  EXPECT_EQ(readTxtData(f, -1), kBeyond);
  EXPECT_EQ(readTxtData(nullptr, 1), kBeyond);

  WriteFile(dir / "empty.txt", "");
  EXPECT_EQ(loadTxtFile(dir / "empty.txt")->lines(), 0);

  // UTF-16 with its mark.
  WriteFile(dir / "wide.txt", std::string("\xFF\xFE\x7C\x01\n\0", 6));
  EXPECT_EQ(readTxtData(loadTxtFile(dir / "wide.txt"), 1), "ż");
}

TEST(TxtFile, LanguageFolderAndMissingFiles) {
  TempFolder dir;
  WriteFile(dir / "txt/en/intro.txt", "Hello\n");
  EXPECT_EQ(lang, "en");
  EXPECT_EQ(readTxtData(loadTxtFile(dir / "txt/#LANG#/intro.txt"), 1), "Hello");

  testing::internal::CaptureStdout();
  auto missing = loadTxtFile(dir / "txt/#LANG#/none.txt");
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Napotkano problem : Nie znaleziono pliku : " + dir / "txt/en/none.txt" + "\n");
  EXPECT_EQ(missing->lines(), 0);
  EXPECT_EQ(readTxtData(missing, 1), kBeyond);
}

TEST(TxtFile, LayoutTextReferences) {
  TempFolder dir;
  ResourceFolder resources(dir.path() + "/");
  WriteFile(dir / "txt/en/mainGame.txt", "one\ntwo\nthree\n");
  EXPECT_EQ(ReadTextFromFile("[txt/#LANG#/mainGame.txt|3]"), "three");
  EXPECT_EQ(ReadTextFromFile("[txt/#LANG#/mainGame.txt| 2]"), "two");
  EXPECT_EQ(ReadTextFromFile("[txt/#LANG#/mainGame.txt|x]"), kBeyond);
  EXPECT_EQ(ReadTextFromFile("[txt/#LANG#/mainGame.txt|]"), kBeyond);
  EXPECT_EQ(ReadTextFromFile("[txt/#LANG#/mainGame.txt]"), kBeyond);
  EXPECT_EQ(ReadTextFromFile("[]"), kBeyond);
  EXPECT_EQ(ReadTextFromFile(""), kBeyond);
}

}  // namespace sorvanta
