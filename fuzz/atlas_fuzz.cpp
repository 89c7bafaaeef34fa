// Feeds arbitrary bytes to the texture-atlas reader as the description
// beside an atlas image, then loads every sub-image it names (the first 16)
// through the game's image loader and draws each one.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "gui/img.h"
#include "platform/files.h"

using namespace sorvanta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::OpenScreen();
  static const std::string image = [] {
    const std::string path = fuzz::ScratchDir() + "/atlas.png";
    fuzz::WriteScratch(path, LoadBytes(fuzz::ResourceDir() + "/gfx/atlas.png"));
    return path;
  }();
  const std::string text(reinterpret_cast<const char*>(data), size);
  fuzz::WriteScratch(fuzz::ScratchDir() + "/atlas.txt", text);

  imgTextures.clear();  // the atlas is read anew for every input
  int drawn = 0;
  for (const auto& sub : parseImgTextureDescription(text)) {
    if (++drawn > 16) break;
    auto img = LoadImg(image, sub->name, -1);
    if (!img) continue;
    MidHandleImg(img);
    DrawImg(img, static_cast<float>(drawn * 40), 300.0f);
    (void)ImgWidth(img);
  }
  return 0;
}
