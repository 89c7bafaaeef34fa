#pragma once
// The frames of a picture and their textures, shared by every image of the
// same file, cut and filtering. Textures are made as soon as a back end
// exists; a file's pixels are then let go and decoded again only when a new
// back end needs them or someone reads them.
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/pixmap.h"

namespace sorvanta {

class VideoTexture;

// count cells of cellWidth x cellHeight taken left to right, top to bottom
// from cell first on; a count of 0 takes the whole picture as one frame.
struct FrameCut {
  int cellWidth = 0, cellHeight = 0, first = 0, count = 0;
};

// The frames of the cut; none when the picture does not hold them.
std::vector<std::shared_ptr<TPixmap>> CutFrames(const std::shared_ptr<TPixmap>& picture, const FrameCut& cut);

class TImageFrames {
 public:
  // Frames no file holds: their pixels are kept for good. path is empty then.
  TImageFrames(std::vector<std::shared_ptr<TPixmap>> frames, bool filtered, std::string path = "",
               FrameCut cut = {});
  ~TImageFrames();
  TImageFrames(const TImageFrames&) = delete;
  TImageFrames& operator=(const TImageFrames&) = delete;

  int count() const { return static_cast<int>(textures_.size()); }
  int width() const { return width_; }
  int height() const { return height_; }
  bool filtered() const { return filtered_; }

  // The frame's texture for the current back end; null without one.
  VideoTexture* texture(int frame);
  // The frame's pixels; decoded again if they were let go, and kept from
  // then on, since whoever reads them may read them again.
  std::shared_ptr<TPixmap> pixels(int frame);
  // Makes the textures the current back end lacks; a file's pixels go once
  // every frame has one.
  void makeTextures();

  // Bytes of pixels held and of textures made, for memory figures.
  long pixelBytes() const;
  long textureBytes() const;

 private:
  bool decodeAgain();

  std::string path_;
  FrameCut cut_;
  bool filtered_;
  bool keepPixels_;
  int width_ = 0, height_ = 0;
  std::vector<std::shared_ptr<TPixmap>> pixels_;  // null once let go
  std::vector<VideoTexture*> textures_;
  int generation_ = 0;
};

// The frames of a file's picture, shared while any image of them lives
// (decoded again if the file changed on disk since); none when the file is
// missing, cannot be decoded or does not hold the cut.
std::shared_ptr<TImageFrames> FileFrames(const std::string& path, const FrameCut& cut, bool filtered);

// The frames of every image alive now.
const std::unordered_set<TImageFrames*>& LiveImageFrames();

// Makes what the current back end lacks for every live image and font page.
// A new graphics mode should call it, so that no frame after it makes one;
// until then the first draw under a new back end does.
void MakeMissingTextures();
// The font pages' part of it.
void MakeMissingFontTextures();

}  // namespace sorvanta
