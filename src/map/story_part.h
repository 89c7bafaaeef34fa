#pragma once
// A stage's story page: the text a land tells the first time a campaign
// enters it, wrapped once to the stage screen's page width.
#include <list>
#include <memory>
#include <string>
#include <vector>

namespace sorvanta {

class TRCMFile;
class TTxtFile;

// Width a page line may take, and the y its text block is centred on.
inline constexpr int kStoryWrapWidth = 680;
inline constexpr float kStoryCentreY = 640;

class TStoryPart {
 public:
  virtual ~TStoryPart() = default;

  int id = 0;                    // the stage it belongs to, in either campaign
  std::vector<std::string> txt;  // wrapped lines, top to bottom
  std::string title;             // kept with the page, not drawn
  float hh = 0;                  // height of all lines
  float startY = 0;              // top of the first line
  std::string standardTxt;       // the text before wrapping

  // Wraps standardTxt in the stage screen's story font (the selected font
  // when there is no stage screen). The first line starts with a blank; a
  // word wider than the page stands alone and overflows.
  virtual void CutTexts();
};

using TStoryParts = std::list<std::shared_ptr<TStoryPart>>;

// The pages of a story file, titles and texts taken from the text file, in
// file order, each wrapped.
TStoryParts readStoryParts(TRCMFile& file, const std::shared_ptr<TTxtFile>& txt);

// The first page of that stage id; none when there is none.
std::shared_ptr<TStoryPart> findStoryPart(const TStoryParts& parts, int stageId);

}  // namespace sorvanta
