// The tutorial's set-up: arrows, fonts and every tip of the tutorial file.
#include "puzzle/tutorial/tutorial.h"

#include <cstdio>

#include "core/globals.h"
#include "formats/bounded_count.h"
#include "formats/rcm_file.h"
#include "formats/text_utils.h"
#include "formats/txt_file.h"
#include "gui/img.h"
#include "gui/my_font.h"
#include "platform/strings.h"
#include "puzzle/tutorial/arrow.h"

namespace sorvanta {

std::shared_ptr<TTutorial> tutorial;
std::list<std::shared_ptr<TTutorialTip>> TTutorial::tipsList;
std::list<std::shared_ptr<TTutorialTip>> TTutorial::specialTipsList;

namespace {

constexpr int kFontSizes[3] = {26, 32, 42};
constexpr float kDefaultX = 400, kDefaultY = 300;

std::string tipKey(int n, const std::string& field) { return "tutorial::tut" + std::to_string(n) + "::" + field; }

int readInt(const TRCMFile& file, const std::string& key) { return FloatToInt(file.getFloat(key)); }

// The lines "<line>1" .. "<line><count>" of tip n.
std::vector<std::string> readLines(const TRCMFile& file, int n, const std::string& count, const std::string& line) {
  std::vector<std::string> lines;
  // Lines missing below the count read as empty lines.
  const int k = boundedCount(readInt(file, tipKey(n, count)), kMaxFileCount, tipKey(n, count));
  for (int i = 1; i <= k; ++i) lines.push_back(file.getString(tipKey(n, line + std::to_string(i))));
  return lines;
}

}  // namespace

void TTutorial::setup() {
  const char* arrowFiles[2] = {"gfx/gui/tutorial/arrow.png", "gfx/gui/tutorial/arrow2.png"};
  for (int i = 0; i < 2; ++i) {
    TArrow::img[i] = LoadImg2(bDir + arrowFiles[i], -1);
    MidHandleImg(TArrow::img[i]);
  }
  for (int i = 0; i < 3; ++i) font[i] = myLoadImageFont(bDir + "gfx/fonts/font.ttf", kFontSizes[i]);
  auto file = loadRCMFile(bDir + "data/tutorial.dat");
  tipsList.clear();
  specialTipsList.clear();
  texts_ = loadTxtFile(bDir + file->getString("tutorial::txtFile"));
  const int count = boundedCount(readInt(*file, "tutorial::i"),
                                 numberedGroupsPresent(file->getGroup({"tutorial", ""}), "tut"), "tutorial::i");
  for (int n = 1; n <= count; ++n) {
    auto tip = _loadExactTip(n, *file);
    (tip->numerLevelu == 0 ? specialTipsList : tipsList).push_back(tip);
  }
  texts_ = nullptr;
}

std::shared_ptr<TTutorialTip> TTutorial::_loadExactTip(int n, TRCMFile& file) {
  auto tip = std::make_shared<TTutorialTip>();
  _setupTipStandards(*tip, file, n);
  _setupTipImg(*tip, file, n);
  _setupTipFont(*tip, file, n);
  _setupTipPosition(*tip, file, n);
  _setupTipConditions(*tip, file, n);
  _setupTipActions(*tip, file, n);
  _setupTipEraseConditions(*tip, file, n);
  return tip;
}

int TTutorial::_setupTipStandards(TTutorialTip& tip, TRCMFile& file, int n) {
  if (!texts_) texts_ = loadTxtFile(bDir + file.getString("tutorial::txtFile"));
  tip.id = Upper(file.getString(tipKey(n, "id")));
  tip.title = readTxtData(texts_, readInt(file, tipKey(n, "title")));
  tip.txt = readTxtData(texts_, readInt(file, tipKey(n, "txt")));
  tip.tryb = readInt(file, tipKey(n, "tryb"));
  tip.screen = Upper(file.getString(tipKey(n, "screen")));
  tip.numerLevelu = readInt(file, tipKey(n, "level"));
  tip.rememberMe = readInt(file, tipKey(n, "rememberMe"));
  tip.txts = rozbijTekst(tip.txt, "#ENTER#", "", "");
  return 0;
}

int TTutorial::_setupTipImg(TTutorialTip& tip, TRCMFile& file, int n) {
  const std::string path = file.getString(tipKey(n, "img"));
  if (path.empty()) return 0;
  // An optional picture: one that is not there is no error.
  tip.img = LoadImgQuiet(path, -1);
  if (tip.img) MidHandleImg(tip.img);
  return 0;
}

int TTutorial::_setupTipFont(TTutorialTip& tip, TRCMFile& file, int n) {
  const std::string size = Upper(file.getString(tipKey(n, "font")));
  tip.font = font[size == "BIG" ? 2 : size == "MEDIUM" ? 1 : 0];
  return 0;
}

int TTutorial::_setupTipPosition(TTutorialTip& tip, TRCMFile& file, int n) {
  const std::string value = Upper(file.getString(tipKey(n, "pos")));
  const auto tokens = rozbijTekst(value, " ", "", "");
  if (value.empty()) {
    tip.dim = CreateDim(kDefaultX, kDefaultY);
  } else if (tokens.size() >= 3 && tokens[0] == "POSITION") {
    tip.dim = CreateDim(static_cast<float>(TextToInt(tokens[1])), static_cast<float>(TextToInt(tokens[2])));
  } else {
    // A panel needs a place: the default one, and a word for whoever wrote the file.
    std::printf("Tutorial tip %s: position \"%s\" is not \"POSITION x y\"; placed at (400, 300)\n", tip.id.c_str(),
                value.c_str());
    tip.dim = CreateDim(kDefaultX, kDefaultY);
  }
  return 0;
}

int TTutorial::_setupTipConditions(TTutorialTip& tip, TRCMFile& file, int n) {
  return tip.compileConditions(readLines(file, n, "conds", "condition"));
}

int TTutorial::_setupTipActions(TTutorialTip& tip, TRCMFile& file, int n) {
  return tip.compileActions(readLines(file, n, "actions", "action"));
}

int TTutorial::_setupTipEraseConditions(TTutorialTip& tip, TRCMFile& file, int n) {
  return tip.compileEraseConditions(readLines(file, n, "eraseConds", "eraseCondition"));
}

std::shared_ptr<TTutorialTip> TTutorial::getTipById(const std::string& id) {
  const std::string wanted = Upper(id);
  for (const auto* list : {&tipsList, &specialTipsList})
    for (const auto& tip : *list)
      if (tip && tip->id == wanted) return tip;
  return nullptr;
}

}  // namespace sorvanta
