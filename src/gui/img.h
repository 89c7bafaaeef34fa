#pragma once
// Pictures of the game. A TImg stands for a whole image file, or for a named
// rectangle of a texture atlas. Callers name an image by one string: the file
// path, or the atlas image's path and the sub-image's name joined by "|".
// Atlases are loaded once and kept for the whole run in imgTextures; every
// request for the same sub-image returns the same shared TImg.
#include <list>
#include <memory>
#include <string>
#include <vector>

namespace sorvanta {

class TImage;
class TImgTexture;

class TImg {
 public:
  virtual ~TImg() = default;

  // The atlas of a sub-image (expired for a whole image). Not owning: the
  // atlas owns its sub-images, and the cache keeps every atlas for the run.
  std::weak_ptr<TImgTexture> tex;
  std::shared_ptr<TImage> image;  // a whole image's picture; none for a sub-image
  std::string name;               // a sub-image's name, trimmed and upper-cased
  int x = 0, y = 0;               // a sub-image's corner inside the atlas image
  int w = 0, h = 0;               // 0 x 0 when the picture failed to load
  int hx = 0, hy = 0;             // drawing handle, from the top-left corner

  // Draws with the current colour, alpha, blend, scale, rotation and origin;
  // a picture that failed to load draws nothing.
  virtual void draw(float px, float py);
};

class TImgTexture : public std::enable_shared_from_this<TImgTexture> {
 public:
  virtual ~TImgTexture() = default;

  std::list<std::shared_ptr<TImg>> imgs;  // in the order of the description file
  std::shared_ptr<TImage> img;            // the atlas image
  std::string url;  // upper-cased path; the cache key; "" until the image has loaded

  // Loads the atlas image and its description, the same path with ".txt" as
  // its extension. A missing image or description is reported and skipped.
  virtual void loadTex(const std::string& path, int flags);
  // The first sub-image with that name (trimmed, any case); none, with a
  // notice, when the atlas has no such sub-image.
  virtual std::shared_ptr<TImg> getImg(const std::string& requested);
};

// The atlas cache, never emptied by the game.
extern std::list<std::shared_ptr<TImgTexture>> imgTextures;

// The sub-images of an atlas description: a header line that is not used,
// then five lines per sub-image (name, x, y, w, h). An incomplete last
// record is dropped.
std::vector<std::shared_ptr<TImg>> parseImgTextureDescription(const std::string& text);

// "path" or "atlas|name" (pieces after the second are ignored).
std::shared_ptr<TImg> LoadImg2(const std::string& spec, int flags);
// A whole image when name is empty, else the sub-image of the atlas at path.
std::shared_ptr<TImg> LoadImg(const std::string& path, const std::string& name, int flags);
// A whole image, or none when the file is missing or no picture; nothing
// is reported.
std::shared_ptr<TImg> LoadImgQuiet(const std::string& path, int flags);
// The cached atlas of that path, in any letter case; none when not loaded.
std::shared_ptr<TImgTexture> getImgTexture(const std::string& path);

// These accept none: sizes read 0 and nothing is set or drawn.
float ImgWidth(const std::shared_ptr<TImg>& img);
float ImgHeight(const std::shared_ptr<TImg>& img);
void SetImgHandle(const std::shared_ptr<TImg>& img, int hx, int hy);
void MidHandleImg(const std::shared_ptr<TImg>& img);
void DrawImg(const std::shared_ptr<TImg>& img, float x, float y);

}  // namespace sorvanta
