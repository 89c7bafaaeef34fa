#pragma once
// Files compiled into the executable, reachable as "incbin::name".
#include <cstddef>
#include <string>
#include <string_view>

namespace sorvanta {

// A file compiled into the executable by the build.
struct EmbeddedFile {
  const char* name;
  const unsigned char* data;
  std::size_t size;
};
extern const EmbeddedFile kEmbeddedFiles[];
extern const std::size_t kEmbeddedFileCount;

// Registers a block of bytes under a name; the bytes must outlive the process.
void IncbinAdd(const std::string& name, const unsigned char* data, std::size_t size);

// The bytes registered under a name, or an empty view when there are none.
std::string_view IncbinGet(const std::string& name);

// True when a path names an embedded file ("incbin::font.ttf"); sets name to the part after "::".
bool IsIncbinPath(const std::string& path, std::string* name = nullptr);

}  // namespace sorvanta
