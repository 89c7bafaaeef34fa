// The layout tokenizer, the entry reader and the top-level declarations.
#include <gtest/gtest.h>

#include "gui/gui.h"
#include "gui_test_support.h"

namespace sorvanta {
namespace {

using testing_gui::StdoutLines;
using TokList = std::vector<std::pair<int, std::string>>;

TokList Tokens(const std::string& text) {
  TGui g;
  g.parseTokens(text);
  TokList out;
  for (const auto& t : g.tokens) out.emplace_back(t.line, t.txt);
  return out;
}

TEST(GuiTokenizer, QuotesSeparatorsAndLines) {
  EXPECT_EQ(Tokens("A = 1;B"), (TokList{{1, "A"}, {1, "="}, {1, "1"}, {1, "B"}}));
  // A quoted text over two lines: one token, without the line feed, on the
  // line where it ends; later lines still count right.
  EXPECT_EQ(Tokens("X = \"one\ntwo\"\nY"), (TokList{{1, "X"}, {1, "="}, {2, "onetwo"}, {3, "Y"}}));
  // A quote may open mid-word; its blanks at the edges are trimmed away.
  EXPECT_EQ(Tokens("ab\"c d\"e"), (TokList{{1, "abc de"}}));
  EXPECT_EQ(Tokens("\"  pad  \""), (TokList{{1, "pad"}}));
  // Empty and blank quotes give no token at all.
  EXPECT_EQ(Tokens("TXT = \"\" }"), (TokList{{1, "TXT"}, {1, "="}, {1, "}"}}));
  EXPECT_EQ(Tokens("\"   \""), TokList{});
  // Tabs and carriage returns do not separate, but are trimmed at the edges.
  EXPECT_EQ(Tokens("\tGFX\t=\tp.png\r\n}"), (TokList{{1, "GFX\t=\tp.png"}, {2, "}"}}));
  // A quote left open swallows the rest of the file.
  EXPECT_EQ(Tokens("A \"B C\nD"), (TokList{{1, "A"}}));
}

TEST(GuiEntryReader, BlocksLeavesAndDiagnostics) {
  TGui g;
  g.parseTokens("a = 1 b { c = 2 d { } } e = = }");
  GuiEntryList body;
  auto lines = StdoutLines([&] { EXPECT_TRUE(g.readEntrys(body)); });
  EXPECT_TRUE(lines.empty());
  ASSERT_EQ(body.size(), 3u);
  auto it = body.begin();
  EXPECT_EQ((*it)->name, "A");
  auto* b = AsBlock(*++it);
  ASSERT_NE(b, nullptr);
  ASSERT_EQ(b->entrys.size(), 2u);
  EXPECT_EQ(b->entrys.front()->value, "2");
  EXPECT_NE(AsBlock(b->entrys.back()), nullptr);
  EXPECT_EQ((*++it)->value, "=");  // a value may be "="

  // A "}" after a name and "=" drops the unfinished entry.
  TGui g2;
  g2.parseTokens("x = 1 z = }");
  GuiEntryList b2;
  EXPECT_TRUE(g2.readEntrys(b2));
  EXPECT_EQ(b2.size(), 1u);

  // A name followed by something else fails, naming the token and its line;
  // each enclosing block adds the line of its own "{".
  TGui g3;
  g3.parseTokens("outer {\n inner {\n  a b\n }\n}");
  GuiEntryList b3;
  lines = StdoutLines([&] { EXPECT_FALSE(g3.readEntrys(b3)); });
  EXPECT_EQ(lines, (std::vector<std::string>{"ERROR: Expected '=' or '{' but b found in line 3!",
                                             "ERROR: Not enough tokens in line 2!",
                                             "ERROR: Not enough tokens in line 1!"}));
  ASSERT_FALSE(g3.tokens.empty());
  EXPECT_EQ(g3.tokens.front().txt, "}");  // stopped after the bad token

  // Running out of tokens fails silently at the top of a body.
  TGui g4;
  g4.parseTokens("a = 1");
  GuiEntryList b4;
  lines = StdoutLines([&] { EXPECT_FALSE(g4.readEntrys(b4)); });
  EXPECT_TRUE(lines.empty());

  // Deep nesting is read and freed without recursion.
  std::string deep;
  for (int i = 0; i < 100000; ++i) deep += "a { ";
  for (int i = 0; i < 100000; ++i) deep += "} ";
  TGui g5;
  g5.parseTokens(deep + "}");
  GuiEntryList b5;
  EXPECT_TRUE(g5.readEntrys(b5));
  EXPECT_EQ(b5.size(), 1u);
  b5.clear();
}

TEST(GuiDeclarations, TopLevelWordsAndBrokenObjects) {
  TGui g;
  std::vector<std::string> lines = StdoutLines([&] {
    g.parseTokens(
        "stray } object ok x TXT = \"\" } \n"    // lower case keyword, any brace token
        "OBJECT broken {\n  GFX\n  PIN = 1\n}\n"  // bad body: remaining words dropped
        "OBJECT open { sub {\n  A = 1\n");      // open to the end of the file
    g.readObjects();
  });
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "ERROR: Expected '=' or '{' but PIN found in line 4!",
                       "ERROR: No data for object 'BROKEN'!",
                       "ERROR: Not enough tokens in line 6!",
                       "ERROR: No data for object 'OPEN'!",
                   }));
  ASSERT_EQ(g.objects.size(), 1u);
  EXPECT_EQ(g.objects.front()->id, "OK");

  TGui g2;
  lines = StdoutLines([&] {
    g2.parseTokens("OBJECT a {");
    g2.readObjects();
  });
  EXPECT_EQ(lines, std::vector<std::string>{"ERROR: Not enough tokens in object declaration!"});
  EXPECT_TRUE(g2.objects.empty());

  // A byte-order mark stays in front of the first word, so that OBJECT is lost.
  TGui g3;
  g3.parseTokens("\xEF\xBB\xBFOBJECT a { } OBJECT b { }");
  g3.readObjects();
  ASSERT_EQ(g3.objects.size(), 1u);
  EXPECT_EQ(g3.objects.front()->id, "B");

  // Without quotes "Hello world" is a value and the name of a new entry; a
  // "}" right after drops that name silently.
  TGui g4;
  lines = StdoutLines([&] {
    g4.parseTokens("OBJECT a { TXT = Hello world }\nOBJECT b { TXT = Hello world\nGFX = x }");
    g4.readObjects();
  });
  ASSERT_EQ(g4.objects.size(), 1u);
  EXPECT_EQ(g4.objects.front()->standardProps->txt, "Hello");
  EXPECT_EQ(lines, (std::vector<std::string>{"ERROR: Expected '=' or '{' but GFX found in line 3!",
                                             "ERROR: No data for object 'B'!"}));
}

}  // namespace
}  // namespace sorvanta
