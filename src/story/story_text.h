#pragma once
// Timed captions of the story sequences and the queue that shows them one
// after another under the pictures.
#include <list>
#include <memory>
#include <string>

namespace sorvanta {

class TImageFont;

class TStoryText {
 public:
  std::string text;
  float alpha = 0;   // starts at -1: invisible until it has risen past 0
  float dAlpha = 0;  // 1 while shown, 0 once expired
  int time = 0;      // ms shown, counted from prepare
  int startY = 0;    // y of the first wrapped line
  int waitTime = 0;  // clock time of expiry
  int pauseTime = 0;

  // The 42 px caption font shared by every sequence; set during loading.
  static std::shared_ptr<TImageFont> font;

  virtual ~TStoryText() = default;
  virtual void draw();
  virtual void update();
  virtual void prepare();
  virtual void Pause();
  virtual void Unpause();
};

using TStoryTextList = std::list<std::shared_ptr<TStoryText>>;

// The captions listed by a data file ("texts::i", "texts::text<t>::txt" and
// "::time") with their lines from a per-language text file, measured for
// drawing. Missing keys read as 0: no captions, out-of-range text, time 0.
TStoryTextList loadStoryTexts(const std::string& dataPath, const std::string& txtPath);

// The caption queue a story screen owns.
class TStoryCaptions {
 public:
  TStoryTextList texts;                // not yet shown
  std::shared_ptr<TStoryText> actText; // current
  std::shared_ptr<TStoryText> oldText; // fading out

  virtual ~TStoryCaptions() = default;
  // Takes the first caption once the screen is fully faded in (fade 0).
  void startCaptions(float fade);
  // Expiry and one frame of the ramps; nothing without a current caption.
  void stepCaptions();
  // The old caption, then the current one on top.
  void _drawTexts();
  void pauseCaptions();
  void unpauseCaptions();
};

}  // namespace sorvanta
