#include "platform/strings.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace sorvanta {
namespace {

TEST(Strings, TrimAndCase) {
  EXPECT_EQ(Trim(" \t\r\n abc \x01\x1f "), "abc");
  EXPECT_EQ(Trim("   "), "");
  // Letters of every script change case by the simple one-to-one mapping;
  // letters without one (ß) and everything else are kept.
  EXPECT_EQ(Upper("abc-xyz 1 é ą ł ż ÿ ß ×"), "ABC-XYZ 1 É Ą Ł Ż Ÿ ß ×");
  EXPECT_EQ(Upper("жёлтый ωμέγα ı µ ǆ ǅ \xF0\x90\x90\xA8 \xF0\x9F\x98\x80"),
            "ЖЁЛТЫЙ ΩΜΈΓΑ I Μ Ǆ Ǆ \xF0\x90\x90\x80 \xF0\x9F\x98\x80");
  // Invalid bytes pass through untouched.
  EXPECT_EQ(Upper(std::string("a\xFF" "b\xC3")), std::string("A\xFF" "B\xC3"));
}

TEST(Strings, ReplaceFindAndPiecesCountCharacters) {
  EXPECT_EQ(Replace("a\\b\\c", "\\", "/"), "a/b/c");
  EXPECT_EQ(Replace("aaa", "aa", "b"), "ba");
  EXPECT_EQ(Replace("abc", "", "x"), "abc");

  EXPECT_EQ(Instr("/Apps/G.app/Contents/x.app/", ".app/"), 8);
  EXPECT_EQ(Instr("abcabc", "c", 4), 6);
  EXPECT_EQ(Instr("abc", "x"), 0);
  EXPECT_EQ(Instr("abc", "c", -5), 3);
  EXPECT_EQ(Instr("abc", "", 4), 4);
  EXPECT_EQ(Instr("abc", "", 5), 0);
  EXPECT_EQ(Instr("żółwż", "ż", 2), 5);

  const std::string s = "zażółć";
  EXPECT_EQ(Len(s), 6);
  EXPECT_EQ(Left(s, 3), "zaż");
  EXPECT_EQ(Left(s, 99), s);
  EXPECT_EQ(Left(s, -1), "");
  EXPECT_EQ(Mid(s, 3, 2), "żó");
  EXPECT_EQ(Mid(s, 4), "ółć");
  EXPECT_EQ(Mid(s, 0, 2), "z");  // the place before the start counts
  EXPECT_EQ(Mid(s, 7), "");
  EXPECT_EQ(Mid(s, 6, INT_MAX), "ć");
  EXPECT_EQ(Mid(s, INT_MIN, INT_MAX), "");
}

TEST(Strings, NumberText) {
  EXPECT_EQ(FloatToText(1.0), "1.00000000");
  EXPECT_EQ(FloatToText(0.1f), "0.100000001");
  EXPECT_EQ(FloatToText(-3), "-3.00000000");
  EXPECT_EQ(FloatToText(1e9), "1.00000000e+09");
  EXPECT_EQ(FloatToText(0.00001), "1.00000000e-05");

  EXPECT_EQ(TextToFloat("1e3x"), 1000.0);
  EXPECT_EQ(TextToFloat(".5"), 0.5);
  EXPECT_EQ(TextToFloat("  -2.25 , 3"), -2.25);
  EXPECT_EQ(TextToFloat("-"), 0.0);
  EXPECT_EQ(TextToFloat("5e+"), 5.0);
  EXPECT_EQ(TextToFloat("0x10"), 0.0);  // decimal only
  EXPECT_EQ(TextToFloat("inf"), 0.0);
  EXPECT_EQ(TextToFloat("nan"), 0.0);
  EXPECT_TRUE(std::isinf(TextToFloat("1e999")));
  EXPECT_EQ(TextToFloat(FloatToText(0.1f)), 0.100000001);

  EXPECT_EQ(TextToInt("  -12abc"), -12);
  EXPECT_EQ(TextToInt("+7"), 7);
  EXPECT_EQ(TextToInt("3.9"), 3);
  EXPECT_EQ(TextToInt("- 5"), 0);
  EXPECT_EQ(TextToInt("99999999999999999999"), INT_MAX);
  EXPECT_EQ(TextToInt("-2147483648"), INT_MIN);
  EXPECT_EQ(TextToInt("-99999999999999999999"), INT_MIN);

  EXPECT_EQ(FloatToInt(-2.9), -2);
  EXPECT_EQ(FloatToInt(NAN), 0);
  EXPECT_EQ(FloatToInt(1e20), INT_MAX);
  EXPECT_EQ(FloatToInt(-1e20), INT_MIN);
  EXPECT_EQ(FloatToInt(-2147483648.5), INT_MIN);
  EXPECT_EQ(FloatToInt(2147483647.9), INT_MAX);
}

TEST(Strings, CodePoints) {
  EXPECT_EQ(U32ToUtf8(U"\u0142\U0001F600"), "ł\xF0\x9F\x98\x80");
  // Surrogates and code points past Unicode's end are not characters.
  EXPECT_EQ(U32ToUtf8(std::u32string{char32_t{0xD800}, char32_t{0x110000}}), "\xEF\xBF\xBD\xEF\xBF\xBD");

  EXPECT_EQ(Utf8ToU32("aé€\xF0\x9F\x98\x80"), std::u32string(U"aé€\U0001F600"));
  // Broken input: stray continuation, overlong form, encoded surrogate,
  // truncated sequence, beyond U+10FFFF; each bad byte is one replacement.
  EXPECT_EQ(Utf8ToU32("\x80\xC0\xAF"), U"\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToU32("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToU32("a\xE2\x82"), U"a\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToU32("\xF4\x90\x80\x80"), U"\uFFFD\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(U32ToUtf8(U"zażółć"), "zażółć");
}

}  // namespace
}  // namespace sorvanta
