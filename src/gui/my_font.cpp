#include "gui/my_font.h"

#include "platform/files.h"
#include "platform/font.h"
#include "platform/strings.h"

namespace sorvanta {

std::list<std::shared_ptr<TMyFont>> TMyFont::listaFontow;

std::string myFontFace(const std::string& path) {
  return Upper(StripAll(path)) == "FONT2" ? "incbin::font2.ttf" : "incbin::font.ttf";
}

std::shared_ptr<TImageFont> myLoadImageFont(const std::string& path, int size) {
  const std::string face = myFontFace(path);
  const std::string key = Upper(face);
  for (const std::shared_ptr<TMyFont>& entry : TMyFont::listaFontow) {
    if (Upper(entry->url) == key && entry->size == size) return entry->font;
  }
  auto entry = std::make_shared<TMyFont>();
  entry->url = face;
  entry->size = size;
  entry->font = LoadImageFont(face, size, SMOOTHFONT);
  TMyFont::listaFontow.push_back(entry);
  return entry->font;
}

}  // namespace sorvanta
