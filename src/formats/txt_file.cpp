#include "formats/txt_file.h"

#include <exception>

#include "formats/text_folders.h"
#include "formats/text_utils.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "platform/system.h"

namespace sorvanta {

namespace {

const char* const kBeyond = "(BEYOND TEXT ARRAY LENGTH!)";

}  // namespace

std::shared_ptr<TTxtFile> loadTxtFile(const std::string& path) {
  const std::string realPath = Replace(path, "#LANG#", textLanguage());
  auto file = std::make_shared<TTxtFile>();
  std::string text;
  try {
    text = LoadText(realPath);
  } catch (const FileTooLargeError&) {
    Print("Napotkano problem : Plik jest za duzy : " + realPath);
    return file;
  } catch (const std::exception&) {
    // A missing text shows the placeholder on screen; the game goes on.
    Print("Napotkano problem : Nie znaleziono pliku : " + realPath);
    return file;
  }
  file->txt = splitString(text);
  return file;
}

std::string readTxtData(const std::shared_ptr<TTxtFile>& file, int n) {
  if (!file || n < 1 || n > file->lines()) return kBeyond;
  return file->txt[static_cast<size_t>(n - 1)];
}

std::string ReadTextFromFile(const std::string& reference) {
  // Drop the two brackets.
  const int length = Len(reference);
  const std::string inner = length > 2 ? Mid(reference, 2, length - 2) : "";
  const std::vector<std::string> pieces = rozbijTekst(inner, "|", "", "");
  // Without a line number there is no line to give.
  if (pieces.size() < 2) return kBeyond;
  return readTxtData(loadTxtFile(textResourceFolder() + pieces[0]), TextToInt(pieces[1]));
}

}  // namespace sorvanta
