// Feeds arbitrary bytes to the data-file reader and the text-file reader,
// writes back what was read and reads that again; also runs the splitters
// and the path lookups over the same bytes.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "formats/rcm_file.h"
#include "formats/text_utils.h"
#include "formats/txt_file.h"

using namespace sorvanta;

namespace {

std::string scratchPath() {
  return "/tmp/sorvanta-data-file-fuzz-" + std::to_string(getpid()) + ".dat";
}

bool writeFile(const std::string& path, const uint8_t* data, size_t size) {
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  const bool ok = std::fwrite(data, 1, size, out) == size;
  return std::fclose(out) == 0 && ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = scratchPath();
  if (!writeFile(path, data, size)) return 0;

  auto file = loadRCMFile(path);
  const std::string written = file->toText();
  auto again = createRCMFile();
  again->_grupa = again->readAll(written, "MAINGROUP");
  (void)again->toText();

  // The first line of the input serves as a path for lookups and setters.
  auto lines = loadTxtFile(path);
  const std::string first = readTxtData(lines, 1);
  (void)readTxtData(lines, lines->lines());
  (void)file->getString(first, 0);
  (void)file->getFloat(first, 1, 0);
  file->setString(first, first, 2);
  file->setFloat(first + "::n", 1.5f, 1);
  (void)file->toText();

  const std::string text(reinterpret_cast<const char*>(data), size);
  (void)rozbijTekst(text, "::", "", "");
  (void)rozbijTekst(text, " ", "(", ")");
  (void)rozbijTekstQ(text, ",", "", "");
  (void)splitSpaceString(text);
  (void)usunPuste(rozbijTekst(text, "|", "", ""));
  (void)jestCalkowita(text);
  (void)wyciagnijZnaczniki(text, "[", "]", 1);
  (void)usunZnaczniki(text, "[", "]", 0);
  (void)ReadTextFromFile("[" + path + "|1]");

  unlink(path.c_str());
  return 0;
}
