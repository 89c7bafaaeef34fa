#include "formats/text_folders.h"

#include <utility>

namespace sorvanta {

namespace {

struct Folders {
  std::function<std::string()> language;
  std::function<std::string()> resourceFolder;
};

Folders& bound() {
  static Folders folders;
  return folders;
}

}  // namespace

void bindTextFolders(std::function<std::string()> language,
                     std::function<std::string()> resourceFolder) {
  bound() = {std::move(language), std::move(resourceFolder)};
}

std::string textLanguage() { return bound().language ? bound().language() : "en"; }

std::string textResourceFolder() {
  return bound().resourceFolder ? bound().resourceFolder() : "";
}

}  // namespace sorvanta
