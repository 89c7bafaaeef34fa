#pragma once
// The font cache. Every font request names a path and a pixel size; it is
// served by one of the two fonts embedded in the program ("font2" as the bare
// file name, in any letter case, selects the second), rendered once per face
// and size for the whole run. No font file is read.
#include <list>
#include <memory>
#include <string>

namespace sorvanta {

class TImageFont;

class TMyFont {
 public:
  std::string url;  // "incbin::font.ttf" or "incbin::font2.ttf"
  int size = 0;     // pixel size
  std::shared_ptr<TImageFont> font;  // none when the platform could not make it

  // Every font made so far, in order of creation; never emptied.
  static std::list<std::shared_ptr<TMyFont>> listaFontow;
};

// The embedded path that serves a requested font path.
std::string myFontFace(const std::string& path);
// The cached font of that face and size, made on first request.
std::shared_ptr<TImageFont> myLoadImageFont(const std::string& path, int size);

}  // namespace sorvanta
