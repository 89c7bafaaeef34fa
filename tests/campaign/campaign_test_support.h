#pragma once
// A campaign on disk for the campaign tests: a resource folder with the story
// text, both stage catalogues, their one-cell level files and the tutorial
// level files, read into levelManager; links that count what the rules read
// and hand over. Each level file carries a marker in its time field.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "campaign/campaign_links.h"
#include "campaign/level_manager.h"
#include "campaign/profile.h"
#include "core/globals.h"
#include "puzzle/board/level.h"
#include "puzzle/board/level_file.h"
#include "puzzle/tutorial/tutorial_tip.h"
#include "support/stdout_lines.h"
#include "support/temp_folder.h"

namespace sorvanta::campaign_test {

struct StageSpec {
  int id;
  int levels;
};

// Markers: catalogue level l of the k-th stage of a file (k from 1) gives
// 1000 × (set + 1) + 100 × k + l; tutorial level n gives 10 + n (Picross) or 20 + n (Fill).
inline int CatalogueMarker(int set, int k, int l) { return 1000 * (set + 1) + 100 * k + l; }
inline int TutorialMarker(int tryb, int n) { return (tryb == 1 ? 10 : 20) + n; }
inline int Marker(const std::shared_ptr<TLevel>& level) { return level ? level->time : -1; }

inline std::string LevelText(int tryb, int marker) {
  return "level {\n data {\n  scale = 1\n  size = 0\n  dims = 1, 1\n  tryb = " + std::to_string(tryb) +
         "\n  time = " + std::to_string(marker) + "\n }\n tiles {\n  row0 = \"" +
         (tryb == 1 ? "0|0|0" : "0 0 0||||") + "\"\n }\n}\n";
}

// By default the two catalogues differ in every stage's level count, so a
// rule that reads one mode's stage list for the other shows.
class CampaignWorld {
 public:
  explicit CampaignWorld(std::vector<StageSpec> picross = {{1, 4}, {2, 5}, {3, 6}},
                         std::vector<StageSpec> fill = {{1, 3}, {2, 6}}, int storyStages = 3) {
    bDir = root_.path() + "/";
    std::string story;
    for (int s = 1; s <= storyStages; ++s) story += "Title " + std::to_string(s) + "\nStory " + std::to_string(s) + "\n";
    test::WriteFile(root_ / "txt/en/story.txt", story);
    WriteCatalogue("data/stagesM.dat", 1, picross);
    WriteCatalogue("data/stagesNormal.dat", 0, fill);
    for (int n = 1; n <= kPicrossTutorialLevels; ++n)
      test::WriteFile(TutorialLevelPath(1, n), LevelText(1, TutorialMarker(1, n)));
    for (int n = 1; n <= kFillTutorialLevels; ++n)
      test::WriteFile(TutorialLevelPath(0, n), LevelText(0, TutorialMarker(0, n)));

    TCampaignLinks links;
    links.loadLevel = [this](const std::string& path) { return ++loads, LoadLevel(path); };
    links.setLevel = [this](std::shared_ptr<TLevel> level) { handed.push_back(std::move(level)); };
    links.levelTips = [this] { return tips; };
    links.dropRunningTip = [this] { ++tipsDropped; };
    links.stageScreenNoPrepare = [this] { ++noPrepares; };
    bindCampaignLinks(std::move(links));

    levelManager = std::make_shared<TLevelManager>();
    test::StdoutLines([] { levelManager->setup(); });
  }

  static std::shared_ptr<TTutorialTip> Tip(const std::string& id, int level) {
    auto tip = std::make_shared<TTutorialTip>();
    tip->id = id;
    tip->numerLevelu = level;
    return tip;
  }

  std::string path(const std::string& name) const { return root_ / name; }

  int loads = 0, tipsDropped = 0, noPrepares = 0;
  std::vector<std::shared_ptr<TLevel>> handed;
  std::vector<std::shared_ptr<TTutorialTip>> tips;

 private:
  void WriteCatalogue(const std::string& name, int set, const std::vector<StageSpec>& stages) {
    std::string text = "stages {\n i = " + std::to_string(stages.size()) + "\n";
    for (std::size_t k = 1; k <= stages.size(); ++k) {
      const StageSpec& spec = stages[k - 1];
      const std::string tag = std::to_string(set) + "-" + std::to_string(k);
      text += " stage" + std::to_string(k) + " {\n  id = " + std::to_string(spec.id) + "\n  position = " +
              std::to_string(100 * k) + ", " + std::to_string(50 * k) + "\n  titleAddY = -7\n  img = \"gfx/" +
              tag + ".png\"\n  overImg = \"gfx/" + tag + "o.png\"\n  preview = \"gfx/" + tag +
              "p.png\"\n  levels = " + std::to_string(spec.levels) + "\n";
      for (int l = 1; l <= spec.levels; ++l) {
        const std::string url = "data/lv/" + tag + "-" + std::to_string(l) + ".lvl";
        text += "  level" + std::to_string(l) + " = \"" + url + "\"\n";
        test::WriteFile(root_ / url, LevelText(set, CatalogueMarker(set, static_cast<int>(k), l)));
      }
      text += " }\n";
    }
    test::WriteFile(root_ / name, text + "}\n");
  }

  test::TempFolder root_;
};

}  // namespace sorvanta::campaign_test
