#pragma once
// The frames of a picture and their textures, shared by every image of the
// same file and filtering. Textures are made as soon as a back end exists; a
// file's pixels are then let go and decoded again only when a new back end
// needs them.
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/pixmap.h"

namespace sorvanta {

class VideoTexture;

class TImageFrames {
 public:
  // Frames no file holds: their pixels are kept for good. path is empty then;
  // else the one frame is the file's picture.
  TImageFrames(std::vector<std::shared_ptr<TPixmap>> frames, bool filtered, std::string path = "");
  ~TImageFrames();
  TImageFrames(const TImageFrames&) = delete;
  TImageFrames& operator=(const TImageFrames&) = delete;

  int count() const { return static_cast<int>(textures_.size()); }
  int width() const { return width_; }
  int height() const { return height_; }

  // The frame's texture for the current back end; null without one.
  VideoTexture* texture(int frame);
  // Makes the textures the current back end lacks; a file's pixels go once
  // every frame has one.
  void makeTextures();

 private:
  // Tests read back the pixels and what the frames hold.
  friend struct ImageReadBack;

  bool decodeAgain();

  std::string path_;
  bool filtered_;
  bool keepPixels_;  // no file holds them, or they were read back
  int width_ = 0, height_ = 0;
  std::vector<std::shared_ptr<TPixmap>> pixels_;  // null once let go
  std::vector<VideoTexture*> textures_;
  int generation_ = 0;
};

// The one frame of a file's picture, shared while any image of it lives
// (decoded again if the file changed on disk since); none when the file is
// missing or cannot be decoded.
std::shared_ptr<TImageFrames> FileFrames(const std::string& path, bool filtered);

// The frames of every image alive now.
const std::unordered_set<TImageFrames*>& LiveImageFrames();

// Makes what the current back end lacks for every live image and font page.
// A new graphics mode should call it, so that no frame after it makes one;
// until then the first draw under a new back end does.
void MakeMissingTextures();
// The font pages' part of it.
void MakeMissingFontTextures();

}  // namespace sorvanta
