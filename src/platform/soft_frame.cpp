// A queue of draws run band by band on a small pool of threads.
#include "platform/soft_frame.h"

#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/soft_pixel.h"

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

// The rows a draw may touch, reckoned once, so that a strip passes over
// the draws outside it at the cost of a comparison.
struct Queued {
  Draw draw;
  int top, bottom;
};

Queued RowsOf(const Draw& d) {
  if (d.kind == Draw::kFillRect) return Queued{d, d.y0, d.y1};
  const soft::QuadBox box = soft::BoxOf(d.quad);
  // A box not finite is left to the draw to turn down.
  return box.finite ? Queued{d, box.y0, box.y1} : Queued{d, INT_MIN, INT_MAX};
}

void Run(const Queued& q, const SoftPixels& target, int top, int bottom) {
  const Draw& d = q.draw;
  SoftClip clip = d.clip;
  clip.y0 = std::max({clip.y0, top, q.top});
  clip.y1 = std::min({clip.y1, bottom, q.bottom});
  if (clip.y1 <= clip.y0) return;
  switch (d.kind) {
    case Draw::kQuad: SoftDrawQuad(target, clip, d.texture, d.quad, d.tint, d.blend); break;
    case Draw::kFillQuad: SoftFillQuad(target, clip, d.quad, d.tint, d.blend); break;
    case Draw::kFillRect: SoftFillRect(target, clip, d.x0, d.y0, d.x1, d.y1, d.tint, d.blend); break;
  }
}

// More threads than this gain little: the draws' set-up is repeated per strip.
constexpr int kMaxBands = 8;
// Strips a frame is cut into per thread: a thread that is held up (another
// program on its core) leaves its share to the others, strip by strip.
constexpr int kStripsPerBand = 4;
// The thread that flushes: it always takes strips.
constexpr int kCaller = -1;

// The CPUs this process may run on (taskset, cgroups), at least one.
int UsableCpus() {
  cpu_set_t set;
  CPU_ZERO(&set);
  if (sched_getaffinity(0, sizeof set, &set) != 0) return 1;
  return std::max(1, CPU_COUNT(&set));
}

class Frame {
 public:
  Frame() : bands_(std::clamp(UsableCpus(), 1, kMaxBands)) {}

  void Push(const Draw& d) { draws_.push_back(RowsOf(d)); }

  void Flush(const SoftPixels& target) {
    if (draws_.empty()) return;
    target_ = target;
    // A forked child has none of the pool's threads.
    const int bands = getpid() == owner_ || workers_.empty() ? bands_ : 1;
    if (bands > 1) StartWorkers(bands - 1);
    const int helpers = std::min(bands - 1, static_cast<int>(workers_.size()));
    if (helpers <= 0) {
      RunStrip(0, 1);
    } else {
      {
        std::lock_guard<std::mutex> lock(mutex_);
        ++round_;
        helpers_ = helpers;
        strips_ = (helpers + 1) * kStripsPerBand;
        next_ = finished_ = 0;
      }
      wake_.notify_all();
      TakeStrips(kCaller);
      std::unique_lock<std::mutex> lock(mutex_);
      done_.wait(lock, [this] { return finished_ == strips_; });
    }
    draws_.clear();
  }

  void Discard() { draws_.clear(); }

  void SetBands(int bands) { bands_ = std::clamp(bands, 1, kMaxBands); }
  int Bands() const { return bands_; }

 private:
  // Strip i of n: rows from i * height / n.
  void RunStrip(int i, int n) {
    const int top = target_.height * i / n, bottom = target_.height * (i + 1) / n;
    for (const Queued& d : draws_) Run(d, target_, top, bottom);
  }

  // Runs strips of this round until none is left. A worker (index >= 0)
  // beyond the threads asked for this round takes none. Strips are handed
  // out under the lock, so a worker that wakes after its round ended finds
  // none and never reads draws the next frame is queueing.
  void TakeStrips(int index) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (index >= helpers_) return;
    while (next_ < strips_) {
      const int strip = next_++, strips = strips_;
      lock.unlock();
      RunStrip(strip, strips);
      lock.lock();
      if (++finished_ == strips_) done_.notify_one();
    }
  }

  void StartWorkers(int count) {
    if (static_cast<int>(workers_.size()) >= count) return;
    owner_ = getpid();
    while (static_cast<int>(workers_.size()) < count) {
      const int index = static_cast<int>(workers_.size());
      // A worker waits for the next round, not one already run: only this
      // thread moves round_, so reading it here is safe.
      try {
        workers_.emplace_back([this, index, start = round_] { Work(index, start); });
      } catch (const std::system_error&) {
        // A limit on threads or memory: the frame is drawn by the threads
        // there are (the caller at least), and no more are asked for.
        bands_ = static_cast<int>(workers_.size()) + 1;
        return;
      }
    }
  }

  void Work(int index, long seen) {
    for (;;) {
      {
        std::unique_lock<std::mutex> lock(mutex_);
        wake_.wait(lock, [&] { return round_ != seen; });
        seen = round_;
      }
      TakeStrips(index);
    }
  }

  std::vector<Queued> draws_;
  SoftPixels target_;
  int bands_;
  std::vector<std::thread> workers_;
  pid_t owner_ = 0;
  std::mutex mutex_;
  std::condition_variable wake_, done_;
  // The round's state, under mutex_.
  long round_ = 0;
  int helpers_ = 0, strips_ = 0, next_ = 0, finished_ = 0;
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
