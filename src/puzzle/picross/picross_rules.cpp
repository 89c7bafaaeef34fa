// The Picross rules over a board's cells.
#include "puzzle/picross/picross_rules.h"

#include <algorithm>

namespace sorvanta {

std::vector<PicrossRun> PicrossRuns(const std::vector<bool>& picture) {
  std::vector<PicrossRun> runs;
  const int n = static_cast<int>(picture.size());
  for (int k = 0; k < n; ++k) {
    if (!picture[k]) continue;
    if (k == 0 || !picture[k - 1]) runs.push_back({k, 0});
    ++runs.back().length;
  }
  return runs;
}

std::vector<PicrossRun> PicrossRuns(const PicrossLine& line) {
  std::vector<bool> picture;
  for (const PicrossCell& cell : line) picture.push_back(cell.picture);
  return PicrossRuns(picture);
}

bool PicrossClueMet(const PicrossLine& line, const PicrossRun& clue) {
  const int n = static_cast<int>(line.size());
  if (clue.length == 0)
    return std::all_of(line.begin(), line.end(), [](const PicrossCell& c) { return c.acted || c.failed; });
  for (int k = std::max(0, clue.start - 1); k <= clue.start + clue.length && k < n; ++k)
    if (!line[k].acted) return false;
  return true;
}

bool PicrossPictureUncovered(const std::vector<PicrossCell>& cells) {
  return std::all_of(cells.begin(), cells.end(), [](const PicrossCell& c) { return !c.picture || c.acted; });
}

bool PicrossCluesFaded(const std::vector<float>& visibility) {
  return std::all_of(visibility.begin(), visibility.end(), [](float a) { return a == 0.0f; });
}

bool PicrossLost(int mistakes, int allowed) { return mistakes > allowed; }

}  // namespace sorvanta
