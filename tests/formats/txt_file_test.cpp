#include "formats/txt_file.h"

#include <gtest/gtest.h>

#include "core/globals.h"
#include "support/temp_folder.h"

namespace sorvanta {

using test::TempFolder;
using test::WriteFile;

const char* const kBeyond = "(BEYOND TEXT ARRAY LENGTH!)";

TEST(TxtFile, LinesLanguageAndMissingFiles) {
  TempFolder dir;
  // Cut at line feeds only; lines count from 1.
  WriteFile(dir / "txt/en/a.txt", "one\r\n\ntwo");
  auto f = loadTxtFile(dir / "txt/#LANG#/a.txt");
  EXPECT_EQ(f->lines(), 3);
  EXPECT_EQ(readTxtData(f, 1), "one\r");
  EXPECT_EQ(readTxtData(f, 3), "two");
  for (int n : {0, 4, -1}) EXPECT_EQ(readTxtData(f, n), kBeyond) << n;
  EXPECT_EQ(readTxtData(nullptr, 1), kBeyond);

  WriteFile(dir / "wide.txt", std::string("\xFF\xFE\x7C\x01\n\0", 6));
  EXPECT_EQ(readTxtData(loadTxtFile(dir / "wide.txt"), 1), "ż");
  WriteFile(dir / "empty.txt", "");
  EXPECT_EQ(loadTxtFile(dir / "empty.txt")->lines(), 0);

  testing::internal::CaptureStdout();
  auto missing = loadTxtFile(dir / "txt/#LANG#/none.txt");
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Napotkano problem : Nie znaleziono pliku : " + dir / "txt/en/none.txt" + "\n");
  EXPECT_EQ(readTxtData(missing, 1), kBeyond);
}

TEST(TxtFile, LayoutTextReferences) {
  TempFolder dir;
  bDir = dir.path() + "/";
  WriteFile(dir / "txt/en/mainGame.txt", "one\ntwo\nthree\n");
  EXPECT_EQ(ReadTextFromFile("[txt/#LANG#/mainGame.txt|3]"), "three");
  EXPECT_EQ(ReadTextFromFile("[txt/#LANG#/mainGame.txt| 2]"), "two");
  for (const char* ref : {"[txt/#LANG#/mainGame.txt|x]", "[txt/#LANG#/mainGame.txt]", "[]", ""})
    EXPECT_EQ(ReadTextFromFile(ref), kBeyond) << ref;
}

}  // namespace sorvanta
