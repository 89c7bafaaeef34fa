// Story captions: loading, the opacity ramp, drawing and the queue.
#include "story/story_text.h"

#include "core/ekran.h"
#include "core/globals.h"
#include "formats/bounded_count.h"
#include "formats/rcm_file.h"
#include "formats/txt_file.h"
#include "gui/wrapped_text.h"
#include "platform/clock.h"
#include "platform/strings.h"
#include "platform/video.h"

namespace sorvanta {

std::shared_ptr<TImageFont> TStoryText::font;

namespace {
constexpr int kBoxX = 25;
constexpr float kBoxWidth = 974;
constexpr int kBandCentreY = 680;
constexpr float kRate = 0.02f;
}  // namespace

void TStoryText::draw() {
  SetColor(255, 255, 255);
  if (alpha < 0) return;
  SetAlpha(alpha > 1 ? 1.0f : alpha);
  SetScale(1, 1);
  SetRotation(0);
  SetBlend(ALPHABLEND);
  drawSpecText(text, kBoxX, startY, kBoxWidth, "CENTER", 0, font, 1);
}

void TStoryText::update() { rampToward(alpha, dAlpha, kRate); }

void TStoryText::prepare() {
  dAlpha = 1;
  alpha = -1;
  waitTime = msAfter(MilliSecs(), time);
}

void TStoryText::Pause() { pauseTime = MilliSecs(); }

void TStoryText::Unpause() { waitTime = msAfter(waitTime, msSince(MilliSecs(), pauseTime)); }

TStoryTextList loadStoryTexts(const std::string& dataPath, const std::string& txtPath) {
  auto data = loadRCMFile(dataPath);
  auto lines = loadTxtFile(txtPath);
  TStoryTextList out;
  // A damaged count cannot keep loading going: at most the captions present.
  const int n = boundedCount(FloatToInt(data->getFloat("texts::i", 0, 0)),
                             numberedGroupsPresent(data->getGroup({"texts", "i"}), "text"), "texts::i");
  for (int t = 1; t <= n; ++t) {
    auto caption = std::make_shared<TStoryText>();
    const std::string key = "texts::text" + std::to_string(t);
    caption->text = readTxtData(lines, FloatToInt(data->getFloat(key + "::txt", 0, 0)));
    caption->time = FloatToInt(data->getFloat(key + "::time", 0, 0));
    // Measured exactly as drawn: the drawer draws while it measures, so at
    // opacity 0 nothing shows.
    const float keepAlpha = GetAlpha();
    SetAlpha(0);
    const int h = drawSpecText(caption->text, kBoxX, 0, kBoxWidth, "CENTER", 0, TStoryText::font, 1);
    SetAlpha(keepAlpha);
    caption->startY = kBandCentreY - h / 2;
    out.push_back(std::move(caption));
  }
  return out;
}

void TStoryCaptions::startCaptions(float fade) {
  if (fade == 0 && !texts.empty() && !actText) {
    actText = texts.front();
    texts.pop_front();
    actText->prepare();
  }
}

void TStoryCaptions::stepCaptions() {
  if (!actText) return;
  if (msPast(MilliSecs(), actText->waitTime)) {
    oldText = actText;
    oldText->dAlpha = 0;
    if (!texts.empty()) {
      actText = texts.front();
      texts.pop_front();
      actText->prepare();
    }
  }
  actText->update();
  if (oldText) oldText->update();
}

void TStoryCaptions::_drawTexts() {
  if (oldText) oldText->draw();
  if (actText) actText->draw();
}

void TStoryCaptions::pauseCaptions() {
  if (actText) actText->Pause();
}

void TStoryCaptions::unpauseCaptions() {
  if (actText) actText->Unpause();
}

}  // namespace sorvanta
