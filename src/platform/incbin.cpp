#include "platform/incbin.h"

#include <map>

namespace sorvanta {

namespace {
std::map<std::string, std::string_view>& registry() {
  // The files the build compiled in are registered on first use.
  static std::map<std::string, std::string_view> files = [] {
    std::map<std::string, std::string_view> m;
    for (std::size_t i = 0; i < kEmbeddedFileCount; ++i)
      m[kEmbeddedFiles[i].name] =
          std::string_view(reinterpret_cast<const char*>(kEmbeddedFiles[i].data), kEmbeddedFiles[i].size);
    return m;
  }();
  return files;
}
}  // namespace

void IncbinAdd(const std::string& name, const unsigned char* data, std::size_t size) {
  registry()[name] = std::string_view(reinterpret_cast<const char*>(data), size);
}

std::string_view IncbinGet(const std::string& name) {
  auto it = registry().find(name);
  return it == registry().end() ? std::string_view() : it->second;
}

bool IsIncbinPath(const std::string& path, std::string* name) {
  static const std::string prefix = "incbin::";
  if (path.compare(0, prefix.size(), prefix) != 0) return false;
  if (name) *name = path.substr(prefix.size());
  return true;
}

}  // namespace sorvanta
