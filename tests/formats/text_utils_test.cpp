#include "formats/text_utils.h"

#include <gtest/gtest.h>

namespace sorvanta {

using Pieces = std::vector<std::string>;

TEST(TextUtils, Splitters) {
  // Inner empty pieces stay; the last one is dropped.
  EXPECT_EQ(rozbijTekst(" a  b ", " ", "", ""), (Pieces{"", "a", "", "b"}));
  EXPECT_TRUE(rozbijTekst("", " ", "", "").empty());
  // A separator cannot fit at the last character, so a lone colon stays.
  EXPECT_EQ(rozbijTekst("a::b:", "::", "", ""), (Pieces{"a", "b:"}));
  EXPECT_EQ(rozbijTekst(":::", "::", "", ""), (Pieces{"", ":"}));
  // Characters, not bytes: "ż" is one.
  EXPECT_EQ(rozbijTekst("ż::ó:", "::", "", ""), (Pieces{"ż", "ó:"}));
  EXPECT_EQ(rozbijTekst("aéb", "é", "", ""), (Pieces{"a", "b"}));
  // An empty separator gives the whole text instead of looping.
  EXPECT_EQ(rozbijTekst("abc", "", "", ""), (Pieces{"abc"}));
  EXPECT_EQ(rozbijTekstQ("a,\"b\"", "", "", ""), (Pieces{"a,\"b\""}));
  // The plain splitter cuts between quotes too: a data line at every "=", a
  // caption at every space.
  EXPECT_EQ(rozbijTekst("k=\"a=b\"", "=", "", ""), (Pieces{"k", "\"a", "b\""}));
  EXPECT_EQ(rozbijTekst("say \"hi you\"", " ", "", ""), (Pieces{"say", "\"hi", "you\""}));
  // Groups between open and close; a stray close is dropped too; longer
  // open markers never match.
  EXPECT_EQ(rozbijTekst("a (b c) d) e", " ", "(", ")"), (Pieces{"a", "b c", "d", "e"}));
  EXPECT_EQ(rozbijTekst("a ((b", " ", "((", "))"), (Pieces{"a", "((b"}));
  // The quoted splitter keeps commas between quotes.
  EXPECT_EQ(rozbijTekstQ(" \"a,b\", \"c\"", ",", "", ""), (Pieces{" \"a,b\"", " \"c\""}));
  EXPECT_EQ(rozbijTekstQ(" 1,, 3,", ",", "", ""), (Pieces{" 1", "", " 3"}));

  EXPECT_EQ(splitString("a\r\n\nb\n"), (Pieces{"a\r", "", "b"}));
  // Only the blank separates words.
  EXPECT_EQ(splitSpaceString("  a \tb  c\td "), (Pieces{"a", "\tb", "c\td"}));
}

TEST(TextUtils, Cleaners) {
  EXPECT_EQ(usunCytat("a\"b\"c"), "abc");
  EXPECT_EQ(usunPuste({"a", "", " \t", " b ", "\r"}), (Pieces{"a", " b "}));
  EXPECT_EQ(jestCalkowita(""), 1);
  EXPECT_EQ(jestCalkowita("0123"), 1);
  EXPECT_EQ(jestCalkowita("-1"), 0);

  EXPECT_EQ(wyciagnijZnaczniki("x[one]y[two]z[open", "[", "]", 0), (Pieces{"one", "two"}));
  EXPECT_EQ(wyciagnijZnaczniki("\"[a]\"", "[", "]", 0), (Pieces{"a"}));
  // Mode 1: markers between quotes do not count. Other modes: never.
  EXPECT_EQ(wyciagnijZnaczniki("\"[a]\"[b]", "[", "]", 1), (Pieces{"b"}));
  EXPECT_EQ(usunZnaczniki("\"[a]\"[b]c", "[", "]", 1), "ac");
  EXPECT_TRUE(wyciagnijZnaczniki("[a]", "[", "]", 2).empty());
  EXPECT_EQ(usunZnaczniki("[a]", "[", "]", 2), "a");
}

}  // namespace sorvanta
