// Story pages: reading them from the story file and wrapping them.
#include "map/story_part.h"

#include "formats/bounded_count.h"
#include "formats/rcm_file.h"
#include "formats/text_utils.h"
#include "formats/txt_file.h"
#include "map/stage_screen.h"
#include "platform/font.h"
#include "platform/strings.h"
#include "platform/video.h"

namespace sorvanta {

void TStoryPart::CutTexts() {
  if (stageScreen) SetImageFont(stageScreen->storyFont);
  SetScale(1, 1);
  txt.clear();
  std::string line;
  for (const std::string& word : splitSpaceString(standardTxt)) {
    const std::string longer = line + " " + word;
    if (TextWidth(longer) <= kStoryWrapWidth) {
      line = longer;
    } else {
      txt.push_back(line);
      line = word;
    }
  }
  txt.push_back(line);
  hh = 0;
  for (const std::string& l : txt) hh += static_cast<float>(TextHeight(l));
  startY = kStoryCentreY - hh / 2;
}

TStoryParts readStoryParts(TRCMFile& file, const std::shared_ptr<TTxtFile>& txt) {
  auto number = [&](const std::string& key) { return FloatToInt(file.getFloat(key, 0, 0)); };
  // A line number outside the text reads as the out-of-range marker.
  auto line = [&](const std::string& key) { return readTxtData(txt, number(key)); };
  const int count =
      boundedCount(number("story::i"), numberedGroupsPresent(file.getGroup({"story", "i"}), "story"), "story::i");
  TStoryParts parts;
  for (int i = 1; i <= count; ++i) {
    const std::string key = "story::story" + std::to_string(i) + "::";
    auto part = std::make_shared<TStoryPart>();
    part->id = number(key + "id");
    part->title = line(key + "title");
    part->standardTxt = line(key + "txt");
    part->CutTexts();
    parts.push_back(part);
  }
  return parts;
}

std::shared_ptr<TStoryPart> findStoryPart(const TStoryParts& parts, int stageId) {
  for (const auto& part : parts)
    if (part && part->id == stageId) return part;
  return nullptr;
}

}  // namespace sorvanta
