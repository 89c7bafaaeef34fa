// The draws counted on their way to the back end, for benchmarks: a back end
// that passes everything on to the one that draws.
#include <memory>
#include <utility>

#include "platform/read_back.h"
#include "platform/video_backend.h"
#include "platform/video_internal.h"

namespace sorvanta {

namespace {

DrawCounts& Counts() {
  static DrawCounts counts;
  return counts;
}

class CountingBackend : public VideoBackend {
 public:
  explicit CountingBackend(std::unique_ptr<VideoBackend> inner) : inner_(std::move(inner)) {}
  VideoBackend* inner() const { return inner_.get(); }

  bool keepsAcrossModes(bool resized) const override { return inner_->keepsAcrossModes(resized); }
  bool outputSize(int& width, int& height) override { return inner_->outputSize(width, height); }
  void setVSync(bool on) override { inner_->setVSync(on); }
  VideoTexture* makeTexture(const TPixmap& pixmap, bool filtered) override {
    return inner_->makeTexture(pixmap, filtered);
  }
  void updateTexture(VideoTexture* texture, const TPixmap& pixmap) override {
    inner_->updateTexture(texture, pixmap);
  }
  void freeTexture(VideoTexture* texture) override { inner_->freeTexture(texture); }
  void setClip(const SoftClip& clip, bool empty) override { inner_->setClip(clip, empty); }
  void clear(int red, int green, int blue) override { inner_->clear(red, green, blue); }
  void drawTexture(VideoTexture* texture, const TextureQuad& quad) override {
    countQuad();
    Counts().pixels += static_cast<double>(quad.dst.w) * quad.dst.h;
    inner_->drawTexture(texture, quad);
  }
  void fillRect(float x, float y, float width, float height) override {
    countQuad();
    inner_->fillRect(x, y, width, height);
  }
  void fillTurnedRect(float x, float y, float width, float height) override {
    countQuad();
    inner_->fillTurnedRect(x, y, width, height);
  }
  void drawLine(SDL_FPoint from, SDL_FPoint to) override { inner_->drawLine(from, to); }
  void dropFrame() override { inner_->dropFrame(); }
  void present() override { inner_->present(); }
  bool readPixels(TPixmap& frame) override { return inner_->readPixels(frame); }

 private:
  static void countQuad() {
    ++Counts().quads;
    if (Video().rotation != 0.0f) ++Counts().rotatedQuads;
  }

  std::unique_ptr<VideoBackend> inner_;
};

}  // namespace

void CountDraws() {
  SetBackendWrapForTests([](std::unique_ptr<VideoBackend> backend) -> std::unique_ptr<VideoBackend> {
    return std::make_unique<CountingBackend>(std::move(backend));
  });
}

DrawCounts GetDrawCounts() { return Counts(); }
void ResetDrawCounts() { Counts() = DrawCounts{}; }

VideoBackend* UncountedBackend() {
  auto* counting = dynamic_cast<CountingBackend*>(Backend());
  return counting ? counting->inner() : Backend();
}

}  // namespace sorvanta
