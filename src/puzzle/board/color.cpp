// Loading and lookup of the colour table, and colour completeness.
#include "puzzle/board/color.h"

#include "core/globals.h"
#include "formats/rcm_file.h"
#include "gui/img.h"
#include "platform/strings.h"
#include "platform/system.h"
#include "puzzle/board/fill_board.h"
#include "puzzle/board/level.h"
#include "puzzle/board/tile.h"

namespace sorvanta {

std::list<std::shared_ptr<TColor>> colorsList;
std::array<std::shared_ptr<TImg>, 5> TColor::xImg;
std::array<std::shared_ptr<TImg>, 5> TColor::pointImg;
std::array<std::shared_ptr<TImg>, 5> TColor::pointImgBlack;
std::array<std::array<std::shared_ptr<TImg>, 5>, 10> TColor::numbers;
std::array<std::array<std::shared_ptr<TImg>, 5>, 10> TColor::numbersBlack;

namespace {

std::shared_ptr<TImg> loadCentred(const std::string& path) {
  auto img = LoadImg2(bDir + path, -1);
  MidHandleImg(img);
  return img;
}

void loadDigits(std::array<std::array<std::shared_ptr<TImg>, 5>, 10>& into, const std::string& prefix) {
  for (int digit = 0; digit < 10; ++digit)
    for (int s = 0; s < 5; ++s)  // size 0 shares the size-1 pictures
      into[digit][s] = loadCentred(prefix + std::to_string(digit) + "_" + std::to_string(s == 0 ? 1 : s) + ".png");
}

}  // namespace

std::string TColor::getMyString() const { return std::to_string(id); }

int TColor::IsDone(const TLevel& level) const { return FillColourDone(FillBoardOf(level), id) ? 1 : 0; }

int TColor::ForceBlack(const std::shared_ptr<TTile>& tile) const { return ForceBlack(tile.get()); }

int TColor::ForceBlack(const TTile* tile) const {
  return tile && tile->number && tile->putColor && tile->number->id == kBlackColorId &&
                 tile->putColor->id == kBlackColorId
             ? 1
             : 0;
}

void setupColors() {
  const std::string tablePath = bDir + "data/colors.dat";
  auto file = loadRCMFile(tablePath);
  for (int s = 0; s < 5; ++s) {
    TColor::pointImg[s] = LoadImg2(bDir + "gfx/gui/game/point" + std::to_string(s) + ".png", -1);
    TColor::pointImgBlack[s] = LoadImg2(bDir + "gfx/gui/game/bpoint" + std::to_string(s) + ".png", -1);
  }
  for (int s = 0; s < 5; ++s) TColor::xImg[s] = loadCentred("gfx/tiles/x" + std::to_string(s) + ".png");
  loadDigits(TColor::numbers, "gfx/numbers/");
  loadDigits(TColor::numbersBlack, "gfx/numbers/b");

  colorsList.clear();
  const int n = FloatToInt(file->getFloat("colors::i", 0, 0));
  for (int k = 1; k <= n; ++k) {
    const std::string key = "colors::color" + std::to_string(k) + "::";
    auto color = std::make_shared<TColor>();
    color->id = FloatToInt(file->getFloat(key + "id", 0, 0));
    if (color->id < 0 || color->id >= kColorIdLimit) {
      Print("Colour table " + tablePath + ": colour " + std::to_string(k) + " has id " + std::to_string(color->id) +
            ", outside 0.." + std::to_string(kColorIdLimit - 1) + "; skipped");
      continue;
    }
    color->rr = FloatToInt(file->getFloat(key + "rgb", 0, 0));
    color->gg = FloatToInt(file->getFloat(key + "rgb", 1, 0));
    color->bb = FloatToInt(file->getFloat(key + "rgb", 2, 0));
    color->showR = FloatToInt(file->getFloat(key + "showRGB", 0, 0));
    color->showG = FloatToInt(file->getFloat(key + "showRGB", 1, 0));
    color->showB = FloatToInt(file->getFloat(key + "showRGB", 2, 0));
    for (int kind = 0; kind < 2; ++kind) {
      const std::string stem = file->getString(key + "img" + std::to_string(kind), 0);
      for (int s = 0; s < 5; ++s) color->img[kind][s] = loadCentred(stem + std::to_string(s) + ".png");
    }
    colorsList.push_back(color);
  }
  if (!getColorById(kCrossColorId))
    Print("Colour table " + tablePath + " has no colour of id 1 (the cross entry); Fill palettes go without it");
}

std::shared_ptr<TColor> getColorById(int id) {
  for (const auto& color : colorsList)
    if (color && color->id == id) return color;
  return nullptr;
}

std::shared_ptr<TColor> createColorFromStringTab(const std::vector<std::string>& tab) {
  return tab.empty() ? nullptr : getColorById(TextToInt(tab[0]));
}

}  // namespace sorvanta
