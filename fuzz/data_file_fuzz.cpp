// Feeds arbitrary bytes (up to 64 KB: deep trees and long lists are in
// reach, and each input still runs in milliseconds) to the data-file reader and the text-file reader, saves what was read
// through the game's own (atomic) write and reads the saved file again; also
// runs the splitters and the path lookups over the same bytes.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "formats/rcm_file.h"
#include "formats/rcm_group.h"
#include "formats/text_utils.h"
#include "formats/txt_file.h"

using namespace sorvanta;

namespace {

// In memory where there is such a folder: every save syncs to the disk.
std::string scratchPath(const char* what) {
  static const std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  return folder + "/sorvanta-data-file-fuzz-" + std::to_string(getpid()) + what;
}

bool writeFile(const std::string& path, const uint8_t* data, size_t size) {
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  const bool ok = std::fwrite(data, 1, size, out) == size;
  return std::fclose(out) == 0 && ok;
}

// The tabs the writer would put before the lines of the tree: one per level
// for every group and entry, so a deep tree costs the square of its depth
// (a 120 KB file 20,000 groups deep writes 200 MB). That is the format;
// such trees are read, and only their writing is skipped.
std::size_t indentCost(const std::shared_ptr<TRCMGroup>& root) {
  std::size_t cost = 0;
  std::vector<std::pair<const TRCMGroup*, std::size_t>> work{{root.get(), 0}};
  while (!work.empty()) {
    const auto [group, depth] = work.back();
    work.pop_back();
    cost += depth * (1 + group->_listaWpisow.size());
    for (const auto& sub : group->_listaGrup)
      if (sub) work.emplace_back(sub.get(), depth + 1);
  }
  return cost;
}

constexpr std::size_t kMaxIndentCost = 16u << 20;

}  // namespace

// Inputs up to 64 KB unless the command line says otherwise (libFuzzer
// reads its flags after this runs). Larger seeds are cut to that length; the
// seed run in the tests reads them whole.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static std::vector<char*> args(*argv, *argv + *argc);
  static char maxLen[] = "-max_len=65536";
  bool given = false;
  for (char* arg : args) given = given || std::strncmp(arg, "-max_len=", 9) == 0;
  if (!given) args.insert(args.begin() + 1, maxLen);
  args.push_back(nullptr);
  *argc = static_cast<int>(args.size()) - 1;
  *argv = args.data();
  // The readers' diagnostics would flood the output.
  if (!std::freopen("/dev/null", "w", stdout)) return 0;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = scratchPath(".dat");
  if (!writeFile(path, data, size)) return 0;

  auto file = loadRCMFile(path);
  const bool writable = indentCost(file->_grupa) < kMaxIndentCost;
  const std::string saved = scratchPath("-saved.dat");
  if (writable) {
    file->save(saved);
    auto again = loadRCMFile(saved);
    if (indentCost(again->_grupa) < kMaxIndentCost) (void)again->toText();
  }

  // The first line of the input serves as a path for lookups and setters.
  auto lines = loadTxtFile(path);
  const std::string first = readTxtData(lines, 1);
  (void)readTxtData(lines, lines->lines());
  (void)file->getString(first, 0);
  (void)file->getFloat(first, 1, 0);
  file->setString(first, first, 2);
  file->setFloat(first + "::n", 1.5f, 1);
  if (writable) (void)file->toText();

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
  unlink(saved.c_str());
  return 0;
}
