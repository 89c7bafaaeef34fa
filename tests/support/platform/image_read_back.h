#pragma once
// What tests, benchmarks and fuzz targets read back of images and make of
// them that the game never does: images of several frames, a frame's pixels,
// the filtering, and the bytes live images hold.
#include <memory>
#include <string>

#include "platform/image.h"
#include "platform/image_frames.h"

namespace sorvanta {

// An image of count frames cut left to right, top to bottom, in cells of
// cellWidth x cellHeight, starting at cell first; none when the pixmap or the
// file's picture does not hold them. Its pixels are kept, as no file holds
// the frames.
std::shared_ptr<TImage> LoadAnimImage(const std::shared_ptr<TPixmap>& pixmap, int cellWidth, int cellHeight,
                                      int first, int count, int flags = -1);
std::shared_ptr<TImage> LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int first, int count,
                                      int flags = -1);

int ImageFrameCount(const TImage& image);
bool ImageFiltered(const TImage& image);
// The pixels of a frame, decoded again from the file if they were let go;
// frames whose pixels are read keep them from then on. None out of range.
std::shared_ptr<TPixmap> ImageFrame(const TImage& image, int frame);
std::shared_ptr<TPixmap> FramePixels(TImageFrames& frames, int frame);

// Bytes of pixels the frames hold and of textures they made for the current
// back end (four bytes a texel).
long PixelBytes(const TImageFrames& frames);
long TextureBytes(const TImageFrames& frames);
// The same over every live image.
struct ImageMemory {
  long pixelBytes = 0;
  long textureBytes = 0;
};
ImageMemory LiveImageMemory();

}  // namespace sorvanta
