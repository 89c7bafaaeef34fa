#include "gui/img.h"

#include <utility>

#include "formats/text_utils.h"
#include "platform/files.h"
#include "platform/image.h"
#include "platform/strings.h"
#include "platform/system.h"

namespace sorvanta {

std::list<std::shared_ptr<TImgTexture>> imgTextures;

void TImg::draw(float px, float py) {
  if (image) {
    DrawImage(image, px, py, 0);
    return;
  }
  const std::shared_ptr<TImgTexture> atlas = tex.lock();
  if (!atlas || !atlas->img) return;
  DrawSubImageRect(atlas->img, px, py, static_cast<float>(w), static_cast<float>(h),
                   static_cast<float>(x), static_cast<float>(y), static_cast<float>(w),
                   static_cast<float>(h), static_cast<float>(hx), static_cast<float>(hy), 0);
}

std::vector<std::shared_ptr<TImg>> parseImgTextureDescription(const std::string& text) {
  std::vector<std::shared_ptr<TImg>> result;
  auto current = std::make_shared<TImg>();
  int counter = 0;
  for (const std::string& line : splitString(text)) {
    switch (counter) {
      case 0:  // header line: read and not used
        break;
      case 1:
        current->name = Upper(Trim(line));
        break;
      case 2:
        current->x = TextToInt(Trim(line));
        break;
      case 3:
        current->y = TextToInt(Trim(line));
        break;
      case 4:
        current->w = TextToInt(Trim(line));
        break;
      case 5:
        current->h = TextToInt(Trim(line));
        result.push_back(current);
        current = std::make_shared<TImg>();
        counter = 0;
        break;
    }
    ++counter;
  }
  return result;
}

void TImgTexture::loadTex(const std::string& path, int flags) {
  if (FileType(path) == 0) {
    Notify("TEXTURE NOT FOUND: " + path);
    return;
  }
  img = LoadImage(path, flags);
  if (!img) Notify("TEXTURE NOT READABLE: " + path);
  url = Upper(path);
  const std::string descriptionPath = StripExt(path) + ".txt";
  std::string description;
  try {
    description = LoadString(descriptionPath);
  } catch (const FileTooLargeError&) {
    Notify("TEXTURE DESCRIPTION TOO LARGE: " + descriptionPath);
    return;
  } catch (const FileError&) {
    Notify("TEXTURE DESCRIPTION NOT FOUND: " + descriptionPath);
    return;
  }
  const std::shared_ptr<TImgTexture> self = shared_from_this();
  for (const std::shared_ptr<TImg>& sub : parseImgTextureDescription(description)) {
    sub->tex = self;
    imgs.push_back(sub);
  }
}

std::shared_ptr<TImg> TImgTexture::getImg(const std::string& requested) {
  const std::string wanted = Upper(Trim(requested));
  for (const std::shared_ptr<TImg>& sub : imgs) {
    if (Upper(sub->name) == wanted) return sub;
  }
  Notify("No img on texture('" + url + "'): " + requested);
  return nullptr;
}

std::shared_ptr<TImg> LoadImg2(const std::string& spec, int flags) {
  const std::vector<std::string> pieces = rozbijTekst(spec, "|", "", "");
  if (pieces.size() >= 2) return LoadImg(pieces[0], pieces[1], flags);
  return LoadImg(spec, "", flags);
}

namespace {

// A picture that failed to load reads as 0 x 0 and draws nothing.
std::shared_ptr<TImg> wholeImg(std::shared_ptr<TImage> image) {
  auto whole = std::make_shared<TImg>();
  whole->image = std::move(image);
  whole->w = ImageWidth(whole->image);
  whole->h = ImageHeight(whole->image);
  return whole;
}

}  // namespace

std::shared_ptr<TImg> LoadImg(const std::string& path, const std::string& name, int flags) {
  if (name.empty()) {
    std::shared_ptr<TImage> image;
    if (FileType(path) == 0) {
      Notify("NO KURWA NIE MA TAKIEGO PLIKU: " + path + "  (REAL URL: " + RealPath(path) + " )");
    } else {
      image = LoadImage(path, flags);
      if (!image) Notify("IMAGE NOT READABLE: " + path);
    }
    return wholeImg(std::move(image));
  }
  std::shared_ptr<TImgTexture> atlas = getImgTexture(path);
  if (!atlas) {
    atlas = std::make_shared<TImgTexture>();
    atlas->loadTex(path, flags);
    imgTextures.push_back(atlas);
  }
  return atlas->getImg(name);
}

std::shared_ptr<TImg> LoadImgQuiet(const std::string& path, int flags) {
  auto image = FileType(path) == 1 ? LoadImage(path, flags) : nullptr;
  return image ? wholeImg(std::move(image)) : nullptr;
}

std::shared_ptr<TImgTexture> getImgTexture(const std::string& path) {
  const std::string key = Upper(path);
  for (const std::shared_ptr<TImgTexture>& atlas : imgTextures) {
    if (atlas->url == key) return atlas;
  }
  return nullptr;
}

float ImgWidth(const std::shared_ptr<TImg>& img) { return img ? static_cast<float>(img->w) : 0.0f; }

float ImgHeight(const std::shared_ptr<TImg>& img) { return img ? static_cast<float>(img->h) : 0.0f; }

void SetImgHandle(const std::shared_ptr<TImg>& img, int hx, int hy) {
  if (!img) return;
  img->hx = hx;
  img->hy = hy;
  if (img->image) SetImageHandle(img->image, static_cast<float>(hx), static_cast<float>(hy));
}

void MidHandleImg(const std::shared_ptr<TImg>& img) {
  if (!img) return;
  // Whole pixels, truncated: 31 x 17 gives 15, 8.
  SetImgHandle(img, static_cast<int>(img->w * 0.5), static_cast<int>(img->h * 0.5));
}

void DrawImg(const std::shared_ptr<TImg>& img, float x, float y) {
  if (img) img->draw(x, y);
}

}  // namespace sorvanta
