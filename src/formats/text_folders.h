#pragma once
// Where the per-language text files are: the language code that replaces
// "#LANG#" in their paths, and the resource folder that a layout's text
// reference "[file|n]" is read from. The start-up binds both to the game's
// globals; unbound they are "en" and the working folder.
#include <functional>
#include <string>

namespace sorvanta {

void bindTextFolders(std::function<std::string()> language,
                     std::function<std::string()> resourceFolder);
std::string textLanguage();
std::string textResourceFolder();

}  // namespace sorvanta
