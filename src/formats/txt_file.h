#pragma once
// Per-language text files: one text per line, addressed by line number from 1.
#include <memory>
#include <string>
#include <vector>

namespace sorvanta {

class TTxtFile {
 public:
  std::vector<std::string> txt;  // line 1 of the file is element 0

  int lines() const { return static_cast<int>(txt.size()); }
};

// The lines of the file at path, every "#LANG#" in path replaced by the
// text language (formats/text_folders.h).
// Lines end at LF (a CR stays at the end of its line); a last line without LF
// counts only when not empty. A file that cannot be read is reported on
// standard output and gives no lines.
std::shared_ptr<TTxtFile> loadTxtFile(const std::string& path);

// Line n counted from 1, or "(BEYOND TEXT ARRAY LENGTH!)" when there is none.
std::string readTxtData(const std::shared_ptr<TTxtFile>& file, int n);

// Resolves a layout text reference "[file|n]": line n of the text file at
// the resource folder + file.
std::string ReadTextFromFile(const std::string& reference);

}  // namespace sorvanta
