#pragma once
// A fresh folder for one test, removed with everything in it afterwards, and
// the byte-exact file helpers the tests write and read their files with.
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace sorvanta::test {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "sorvanta-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("Cannot make a folder " + pattern);
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder itself, without a trailing "/".
  const std::string& path() const { return path_; }
  // A path inside the folder; name may hold subfolders ("txt/en/a.txt").
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Writes bytes as they are, making the missing parent folders first.
inline void WriteFile(const std::string& path, const std::string& bytes) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent);
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  if (!out.flush()) throw std::runtime_error("Cannot write " + path);
}

// The n-th name a damaged file is kept aside under: path.damaged, then
// path.damaged-2 and on.
inline std::string KeptAsideName(const std::string& path, int n) {
  std::string name = path + ".damaged";
  if (n > 1) name.append("-").append(std::to_string(n));
  return name;
}

// The bytes of a file; "" when it cannot be read.
inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace sorvanta::test
