#include "formats/text_utils.h"

#include <gtest/gtest.h>

namespace sorvanta {

using Pieces = std::vector<std::string>;

TEST(TextUtils, SplitKeepsInnerEmptyPiecesButDropsTheLastOne) {
  EXPECT_EQ(rozbijTekst("a  b", " ", "", ""), (Pieces{"a", "", "b"}));
  EXPECT_EQ(rozbijTekst("a b ", " ", "", ""), (Pieces{"a", "b"}));
  EXPECT_EQ(rozbijTekst(" a", " ", "", ""), (Pieces{"", "a"}));
  EXPECT_TRUE(rozbijTekst("", " ", "", "").empty());
  EXPECT_EQ(rozbijTekst("abc", "|", "", ""), (Pieces{"abc"}));
}

TEST(TextUtils, SplitAtMultiCharacterSeparator) {
  EXPECT_EQ(rozbijTekst("a::b::c", "::", "", ""), (Pieces{"a", "b", "c"}));
  // The separator cannot fit at the last character, so a lone colon stays.
  EXPECT_EQ(rozbijTekst("a::b:", "::", "", ""), (Pieces{"a", "b:"}));
  EXPECT_EQ(rozbijTekst(":::", "::", "", ""), (Pieces{"", ":"}));
  EXPECT_EQ(rozbijTekst("group::", "::", "", ""), (Pieces{"group"}));
  EXPECT_EQ(rozbijTekst("one#ENTER#two#ENTER#", "#ENTER#", "", ""), (Pieces{"one", "two"}));
}

TEST(TextUtils, SplitCountsCharactersNotBytes) {
  // "ż" is two bytes; the fit test and the pieces must treat it as one.
  EXPECT_EQ(rozbijTekst("żó|ę", "|", "", ""), (Pieces{"żó", "ę"}));
  EXPECT_EQ(rozbijTekst("ż::ó:", "::", "", ""), (Pieces{"ż", "ó:"}));
  EXPECT_EQ(rozbijTekst("aéb", "é", "", ""), (Pieces{"a", "b"}));
}

TEST(TextUtils, EmptySeparatorGivesTheWholeText) {
  EXPECT_EQ(rozbijTekst("abc", "", "", ""), (Pieces{"abc"}));
  EXPECT_EQ(rozbijTekstQ("a,\"b\"", "", "", ""), (Pieces{"a,\"b\""}));
  EXPECT_TRUE(rozbijTekst("", "", "", "").empty());
}

TEST(TextUtils, SplitGroupsBetweenOpenAndClose) {
  EXPECT_EQ(rozbijTekst("a (b c) d", " ", "(", ")"), (Pieces{"a", "b c", "d"}));
  // A close without an open is dropped as well.
  EXPECT_EQ(rozbijTekst("a) b", " ", "(", ")"), (Pieces{"a", "b"}));
  // Open characters longer than one character never match.
  EXPECT_EQ(rozbijTekst("a ((b", " ", "((", "))"), (Pieces{"a", "((b"}));
}

TEST(TextUtils, SplitQuotedKeepsCommasBetweenQuotes) {
  EXPECT_EQ(rozbijTekstQ(" \"a,b\", \"c\"", ",", "", ""), (Pieces{" \"a,b\"", " \"c\""}));
  EXPECT_EQ(rozbijTekstQ(" 1,, 3,", ",", "", ""), (Pieces{" 1", "", " 3"}));
  // Without the quote handling the same text splits at every comma.
  EXPECT_EQ(rozbijTekst(" \"a,b\"", ",", "", ""), (Pieces{" \"a", "b\""}));
}

TEST(TextUtils, LineAndWordSplitters) {
  EXPECT_EQ(splitString("one\n\ntwo\n"), (Pieces{"one", "", "two"}));
  EXPECT_EQ(splitString("a\r\nb"), (Pieces{"a\r", "b"}));
  EXPECT_TRUE(splitString("").empty());
  EXPECT_EQ(splitSpaceString("  one   two three  "), (Pieces{"one", "two", "three"}));
  // Only the blank separates; a tab before a word stays in front of it.
  EXPECT_EQ(splitSpaceString("a \tb c\td"), (Pieces{"a", "\tb", "c\td"}));
  EXPECT_TRUE(splitSpaceString("   ").empty());
}

TEST(TextUtils, Cleaners) {
  EXPECT_EQ(usunCytat("\"script.lua\""), "script.lua");
  EXPECT_EQ(usunCytat("a\"b\"c"), "abc");
  EXPECT_EQ(usunPuste({"a", "", " \t", " b ", "\r"}), (Pieces{"a", " b "}));
  EXPECT_EQ(jestCalkowita(""), 1);
  EXPECT_EQ(jestCalkowita("0123"), 1);
  EXPECT_EQ(jestCalkowita("-1"), 0);
  EXPECT_EQ(jestCalkowita("1.5"), 0);

  EXPECT_EQ(wyciagnijZnaczniki("x[one]y[two]z[open", "[", "]", 0), (Pieces{"one", "two"}));
  EXPECT_EQ(usunZnaczniki("x[one]y[two]z", "[", "]", 0), "xyz");
  // Mode 0 drops quotes but ignores them otherwise.
  EXPECT_EQ(wyciagnijZnaczniki("\"[a]\"", "[", "]", 0), (Pieces{"a"}));
  // Mode 1: markers between quotes do not count.
  EXPECT_EQ(wyciagnijZnaczniki("\"[a]\"[b]", "[", "]", 1), (Pieces{"b"}));
  EXPECT_EQ(usunZnaczniki("\"[a]\"[b]c", "[", "]", 1), "ac");
  // Other modes: markers never count, but are still dropped.
  EXPECT_TRUE(wyciagnijZnaczniki("[a]", "[", "]", 2).empty());
  EXPECT_EQ(usunZnaczniki("[a]", "[", "]", 2), "a");
}

}  // namespace sorvanta
