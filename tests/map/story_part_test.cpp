// Story pages: the wrap, the page file, and when a page shows.
#include <gtest/gtest.h>

#include "formats/rcm_file.h"
#include "formats/text_utils.h"
#include "formats/txt_file.h"
#include "platform/font.h"
#include "stage_test_support.h"

namespace sorvanta {
namespace {

using stage_test::MakeStage;
using StoryPage = stage_test::StageTest;

TEST_F(StoryPage, WrapKeepsLinesWithinThePageAndEveryWordInOrder) {
  const std::string wide(60, 'W');
  const std::string story = readTxtData(loadTxtFile(std::string(SORVANTA_SOURCE_DIR) + "/assets/txt/en/story.txt"), 2);
  struct Row {
    std::string text;
    bool firstEmpty;  // an over-wide first word leaves the first line empty
  };
  const Row rows[] = {{"A short page.", false},
                      {story, false},
                      {"Before " + wide + " after", false},
                      {wide + " after", true},
                      {"", true}};
  SetImageFont(screen->storyFont);
  const int lineH = TextHeight("A");
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text.substr(0, 30));
    TStoryPart single, spaced;
    single.standardTxt = r.text;
    for (char c : r.text) spaced.standardTxt += c == ' ' ? std::string("  ") : std::string(1, c);
    single.CutTexts();
    spaced.CutTexts();
    EXPECT_EQ(single.txt, spaced.txt) << "runs of blanks wrap like one";
    ASSERT_FALSE(single.txt.empty());
    EXPECT_EQ(single.txt.front().empty(), r.firstEmpty);
    if (!r.firstEmpty) {
      EXPECT_EQ(single.txt.front()[0], ' ');
    }
    std::vector<std::string> words;
    for (const std::string& line : single.txt) {
      const auto inLine = splitSpaceString(line);
      EXPECT_TRUE(inLine.size() <= 1 || TextWidth(line) <= kStoryWrapWidth) << line;
      words.insert(words.end(), inLine.begin(), inLine.end());
    }
    EXPECT_EQ(words, splitSpaceString(r.text));
    EXPECT_EQ(single.hh, static_cast<float>(lineH * static_cast<int>(single.txt.size())));
    EXPECT_EQ(single.startY, kStoryCentreY - single.hh / 2);
  }
}

TEST_F(StoryPage, PagesAreReadInFileOrderAndFoundByStageId) {
  auto file = createRCMFile();
  const int pages[][3] = {{4, 1, 2}, {7, 3, 99}, {4, 3, 4}};  // id, title line, text line
  file->setFloat("story::i", 3, 0);
  for (int i = 0; i < 3; ++i) {
    const std::string key = "story::story" + std::to_string(i + 1) + "::";
    file->setFloat(key + "id", static_cast<float>(pages[i][0]), 0);
    file->setFloat(key + "title", static_cast<float>(pages[i][1]), 0);
    file->setFloat(key + "txt", static_cast<float>(pages[i][2]), 0);
  }
  auto txt = std::make_shared<TTxtFile>();
  txt->txt = {"T1", "Page one", "T2", "Page two"};
  SetImageFont(screen->storyFont);
  const TStoryParts parts = readStoryParts(*file, txt);
  ASSERT_EQ(parts.size(), 3u);
  EXPECT_EQ(findStoryPart(parts, 4), parts.front()) << "the first page of an id wins";
  EXPECT_EQ(findStoryPart(parts, 4)->txt, std::vector<std::string>{" Page one"});
  EXPECT_EQ(findStoryPart(parts, 7)->title, "T2");
  EXPECT_EQ(findStoryPart(parts, 7)->standardTxt, "(BEYOND TEXT ARRAY LENGTH!)");
  EXPECT_EQ(findStoryPart(parts, 5), nullptr);
}

TEST_F(StoryPage, APageShowsUntilReadInThisCampaign) {
  TStageScreen::storyTexts = {std::make_shared<TStoryPart>(), std::make_shared<TStoryPart>()};
  TStageScreen::storyTexts.front()->id = 1;
  TStageScreen::storyTexts.back()->id = 2;
  auto shows = [&](int stageId) {
    screen->prepare(MakeStage(stageId, 4));
    return std::make_pair(screen->storyA, screen->actStory ? screen->actStory->id : 0);
  };
  player->tryb = 0;
  player->QUEST_GetStageData(1);
  EXPECT_EQ(shows(2), std::make_pair(1.0f, 2)) << "the page of the stage's id";
  EXPECT_EQ(shows(1), std::make_pair(1.0f, 1));
  screen->goMap();
  EXPECT_EQ(shows(1), std::make_pair(1.0f, 1)) << "leaving with MAP reads nothing";
  screen->goPlay();
  EXPECT_EQ(shows(1), std::make_pair(0.0f, 0)) << "read in Fill";
  player->tryb = 1;
  player->QUEST_GetStageData(1);
  EXPECT_EQ(shows(1), std::make_pair(1.0f, 1)) << "unread in Picross";
  shows(2);
  screen->goPlay();
  EXPECT_EQ(shows(2), std::make_pair(1.0f, 2)) << "no progress record: marking keeps nothing";
  EXPECT_EQ(shows(3), std::make_pair(1.0f, 0)) << "no page: the grid stays hidden all the same";
}

}  // namespace
}  // namespace sorvanta
