// A queue of draws run band by band on a small pool of threads.
#include "platform/soft_frame.h"

#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace sorvanta {

namespace {

struct Draw {
  enum Kind { kQuad, kFillQuad, kFillRect } kind;
  SoftClip clip;
  SoftPixels texture;
  SoftQuad quad;
  SoftTint tint;
  SoftBlend blend;
  int x0, y0, x1, y1;
};

void Run(const Draw& d, const SoftPixels& target, int top, int bottom) {
  SoftClip clip = d.clip;
  clip.y0 = std::max(clip.y0, top);
  clip.y1 = std::min(clip.y1, bottom);
  if (clip.y1 <= clip.y0) return;
  switch (d.kind) {
    case Draw::kQuad: SoftDrawQuad(target, clip, d.texture, d.quad, d.tint, d.blend); break;
    case Draw::kFillQuad: SoftFillQuad(target, clip, d.quad, d.tint, d.blend); break;
    case Draw::kFillRect: SoftFillRect(target, clip, d.x0, d.y0, d.x1, d.y1, d.tint, d.blend); break;
  }
}

// More bands than this gain little: the draws' set-up is repeated per band.
constexpr int kMaxBands = 8;

class Frame {
 public:
  Frame() : bands_(std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxBands)) {}

  void Push(const Draw& d) { draws_.push_back(d); }

  void Flush(const SoftPixels& target) {
    if (draws_.empty()) return;
    target_ = target;
    // A forked child has none of the pool's threads.
    const int bands = getpid() == owner_ || workers_.empty() ? bands_ : 1;
    if (bands > 1) StartWorkers(bands - 1);
    if (bands <= 1 || workers_.empty()) {
      RunBand(0, 1);
    } else {
      {
        std::lock_guard<std::mutex> lock(mutex_);
        ++round_;
        pending_ = static_cast<int>(workers_.size());
      }
      wake_.notify_all();
      RunBand(0, bands);
      std::unique_lock<std::mutex> lock(mutex_);
      done_.wait(lock, [this] { return pending_ == 0; });
    }
    draws_.clear();
  }

  void Discard() { draws_.clear(); }

  void SetBands(int bands) {
    bands_ = std::clamp(bands, 1, kMaxBands);
  }
  int Bands() const { return bands_; }

 private:
  // Band i of n: rows from i * height / n.
  void RunBand(int i, int n) {
    const int top = target_.height * i / n, bottom = target_.height * (i + 1) / n;
    for (const Draw& d : draws_) Run(d, target_, top, bottom);
  }

  void StartWorkers(int count) {
    if (static_cast<int>(workers_.size()) >= count) return;
    owner_ = getpid();
    while (static_cast<int>(workers_.size()) < count) {
      const int index = static_cast<int>(workers_.size()) + 1;
      workers_.emplace_back([this, index] { Work(index); });
    }
  }

  void Work(int index) {
    long seen = 0;
    for (;;) {
      {
        std::unique_lock<std::mutex> lock(mutex_);
        wake_.wait(lock, [&] { return round_ != seen; });
        seen = round_;
      }
      // Only bands within the count asked for this round have work.
      if (index < bands_) RunBand(index, bands_);
      std::lock_guard<std::mutex> lock(mutex_);
      if (--pending_ == 0) done_.notify_one();
    }
  }

  std::vector<Draw> draws_;
  SoftPixels target_;
  int bands_;
  std::vector<std::thread> workers_;
  pid_t owner_ = 0;
  std::mutex mutex_;
  std::condition_variable wake_, done_;
  long round_ = 0;
  int pending_ = 0;
};

Frame& TheFrame() {
  // Never destroyed: images freed at exit still flush, and the workers,
  // waiting, end with the process.
  static Frame* frame = new Frame;
  return *frame;
}

}  // namespace

void SoftQueueQuad(const SoftClip& clip, const SoftPixels& texture, const SoftQuad& quad, const SoftTint& tint,
                   SoftBlend blend) {
  TheFrame().Push(Draw{Draw::kQuad, clip, texture, quad, tint, blend, 0, 0, 0, 0});
}

void SoftQueueFillQuad(const SoftClip& clip, const SoftQuad& quad, const SoftTint& tint, SoftBlend blend) {
  TheFrame().Push(Draw{Draw::kFillQuad, clip, SoftPixels{}, quad, tint, blend, 0, 0, 0, 0});
}

void SoftQueueFillRect(const SoftClip& clip, int x0, int y0, int x1, int y1, const SoftTint& tint, SoftBlend blend) {
  TheFrame().Push(Draw{Draw::kFillRect, clip, SoftPixels{}, SoftQuad{}, tint, blend, x0, y0, x1, y1});
}

void SoftFlush(const SoftPixels& target) { TheFrame().Flush(target); }
void SoftDiscard() { TheFrame().Discard(); }
void SetSoftBands(int bands) { TheFrame().SetBands(bands); }
int SoftBands() { return TheFrame().Bands(); }

}  // namespace sorvanta
