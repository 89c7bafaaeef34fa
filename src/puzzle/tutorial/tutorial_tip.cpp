// A tutorial tip's script lines, its run's frame, visibility, arrows,
// erasing and text panel.
#include "puzzle/tutorial/tutorial_tip.h"

#include <algorithm>
#include <cstdio>

#include "core/ekran.h"
#include "core/globals.h"
#include "formats/text_utils.h"
#include "platform/font.h"
#include "platform/strings.h"
#include "platform/trig.h"
#include "platform/video.h"
#include "puzzle/board/player_link.h"
#include "puzzle/tutorial/arrow.h"
#include "puzzle/tutorial/tutorial.h"

namespace sorvanta {

namespace {

constexpr float kTipFadeStep = 0.05f;  // 20 frames at 60 frames per second
constexpr float kDefaultPanelY = 300;
constexpr float kPanelWidth = 840;  // the board's side of the screen
constexpr float kPanelCentreX = 420;

std::vector<TTipTokens> splitLines(const std::vector<std::string>& lines) {
  std::vector<TTipTokens> out;
  for (const auto& line : lines) out.push_back(rozbijTekst(line, " ", "", ""));
  return out;
}

}  // namespace

const std::string& TipToken(const TTipTokens& tokens, int k) {
  static const std::string kNone;
  return k >= 1 && k <= static_cast<int>(tokens.size()) ? tokens[k - 1] : kNone;
}

int TipNumber(const TTipTokens& tokens, int k) { return TextToInt(TipToken(tokens, k)); }

int TTutorialTip::compileConditions(const std::vector<std::string>& lines) {
  conditions = splitLines(lines);
  return 0;
}

int TTutorialTip::compileActions(const std::vector<std::string>& lines) {
  actions.clear();
  for (auto& tokens : splitLines(lines)) allActions.push_back(std::move(tokens));
  return 0;
}

int TTutorialTip::compileEraseConditions(const std::vector<std::string>& lines) {
  eraseConds = splitLines(lines);
  return 0;
}

int TTutorialTip::reset() {
  a = 0;
  dA = 0;
  erase = 0;
  actions.assign(allActions.begin(), allActions.end());
  arrows.clear();
  return 0;
}

int TTutorialTip::update(const std::shared_ptr<TEkran>& ekr) {
  _updateAlpha();
  _updateActions(ekr);
  _updateErase(ekr);
  _updateArrows();
  _updatePosibility(ekr);
  return 0;
}

int TTutorialTip::_updateAlpha() {
  if (erase == 1) dA = 0;
  rampToward(a, dA, kTipFadeStep);
  if (a == 0 && dA == 0 && erase == 1 && tutorial && tutorial->actTip.get() == this) tutorial->actTip = nullptr;
  return 0;
}

int TTutorialTip::_updateArrows() {
  for (const auto& arrow : arrows) arrow->update();
  return 0;
}

int TTutorialTip::eraseMe() {
  erase = 1;
  for (const auto& arrow : arrows) arrow->dA = 0;
  if (auto pending = PlayerPendingTips())
    if (auto it = std::find_if(pending->begin(), pending->end(), [this](const auto& t) { return t.get() == this; });
        it != pending->end())
      pending->erase(it);
  return 0;
}

void TTutorialTip::warnOnce(const std::string& what) {
  if (warned_.insert(what).second) std::printf("Tutorial tip %s: %s\n", id.c_str(), what.c_str());
}

float TTutorialTip::panelY() const { return dim ? dim->y : kDefaultPanelY; }

int TTutorialTip::draw(const std::shared_ptr<TEkran>&) {
  SetRotation(0);
  if (a == 0) return 0;
  _drawTxt();
  _drawPosibility();
  _drawArrows();
  SetScale(1, 1);
  SetRotation(0);
  return 0;
}

int TTutorialTip::_drawTxt() {
  const float s = static_cast<float>(Sin(90.0 * a));
  SetImageFont(font);
  SetAlpha(0.4f * s);
  SetColor(0, 0, 0);
  SetScale(1, 1);
  SetRotation(0);
  const float lineH = static_cast<float>(TextHeight("A") + 2);
  const float y = panelY();
  DrawRect(0, y - 10, kPanelWidth, static_cast<float>(txts.size()) * lineH + 20);
  SetColor(247, 222, 113);
  SetAlpha(s);
  float lineY = y;
  for (const auto& line : txts) {
    DrawText(line, kPanelCentreX - static_cast<float>(TextWidth(line) / 2), lineY);
    lineY += static_cast<float>(TextHeight(line) + 2);
  }
  return 0;
}

int TTutorialTip::_drawPosibility() {
  if (actPosibility) actPosibility->draw();
  return 0;
}

int TTutorialTip::_drawArrows() {
  for (const auto& arrow : arrows) arrow->draw();
  return 0;
}

}  // namespace sorvanta
