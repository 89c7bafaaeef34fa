// Loading and saving text and bytes (declared in files.h).
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sys/stat.h>

#include "platform/files.h"
#include "platform/incbin.h"
#include "platform/strings.h"

namespace sorvanta {
namespace {

void AppendUtf16(std::u32string& out, const std::string& bytes, std::size_t pos, bool big_endian) {
  auto unit = [&](std::size_t at) -> char32_t {
    const auto a = static_cast<unsigned char>(bytes[at]);
    const auto b = static_cast<unsigned char>(bytes[at + 1]);
    return big_endian ? (a << 8 | b) : (b << 8 | a);
  };
  while (pos + 1 < bytes.size()) {
    char32_t u = unit(pos);
    pos += 2;
    if (u >= 0xD800 && u <= 0xDBFF && pos + 1 < bytes.size()) {
      const char32_t lowSurrogate = unit(pos);
      if (lowSurrogate >= 0xDC00 && lowSurrogate <= 0xDFFF) {
        pos += 2;
        out += 0x10000 + ((u - 0xD800) << 10) + (lowSurrogate - 0xDC00);
        continue;
      }
    }
    // A lone surrogate is not a character.
    out += (u >= 0xD800 && u <= 0xDFFF) ? char32_t{0xFFFD} : u;
  }
  if (pos < bytes.size()) out += 0xFFFD;  // odd byte at the end
}

// The bytes of a text file, refused before reading when too large.
std::string LoadTextBytes(const std::string& path) {
  struct stat st {};
  const bool sized = ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
  if (sized && static_cast<std::uintmax_t>(st.st_size) > kMaxTextFileBytes)
    throw FileTooLargeError("File too large: " + path);
  std::string bytes = LoadBytes(path);
  if (bytes.size() > kMaxTextFileBytes) throw FileTooLargeError("File too large: " + path);
  return bytes;
}

}  // namespace

std::string LoadBytes(const std::string& path) {
  std::string name;
  if (IsIncbinPath(path, &name)) {
    const std::string_view data = IncbinGet(name);
    if (data.empty()) throw FileError("No embedded file: " + path);
    return std::string(data);
  }
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    throw FileError("Cannot read a folder as a file: " + path);
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) throw FileError("Cannot open file: " + path + " (" + std::strerror(errno) + ")");
  // Whole blocks at once: the size when the file tells it, then whatever
  // else arrives (a file that grows, or one with no size such as a pipe).
  std::string bytes;
  std::size_t got = 0;
  std::size_t want = st.st_size > 0 ? static_cast<std::size_t>(st.st_size) + 1 : 64 * 1024;
  for (;;) {
    bytes.resize(got + want);
    in.read(bytes.data() + got, static_cast<std::streamsize>(want));
    got += static_cast<std::size_t>(in.gcount());
    if (!in) break;
    want = std::max<std::size_t>(want, 64 * 1024);
  }
  if (in.bad()) throw FileError("Cannot read file: " + path);
  bytes.resize(got);
  return bytes;
}

std::string LoadText(const std::string& path) {
  const std::string bytes = LoadTextBytes(path);
  auto starts = [&](const char* mark, std::size_t n) {
    return bytes.size() >= n && std::memcmp(bytes.data(), mark, n) == 0;
  };
  if (starts("\xEF\xBB\xBF", 3)) return U32ToUtf8(Utf8ToU32(bytes.substr(3)));
  std::u32string chars;
  if (starts("\xFE\xFF", 2)) {
    AppendUtf16(chars, bytes, 2, true);
  } else if (starts("\xFF\xFE", 2)) {
    AppendUtf16(chars, bytes, 2, false);
  } else {
    chars.reserve(bytes.size());
    for (char c : bytes) chars += static_cast<unsigned char>(c);
  }
  return U32ToUtf8(chars);
}

std::string LoadString(const std::string& path) {
  const std::string bytes = LoadTextBytes(path);
  std::string text;
  text.reserve(bytes.size());
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (b >> 6));
      text += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
  return text;
}

bool SaveText(const std::string& text, const std::string& path) {
  const std::u32string chars = Utf8ToU32(text);
  bool narrow = true;
  for (char32_t c : chars) narrow = narrow && c < 256;
  std::string bytes;
  if (narrow) {
    bytes.reserve(chars.size());
    for (char32_t c : chars) bytes += static_cast<char>(c);
  } else {
    bytes.reserve(2 + chars.size() * 2);
    bytes += "\xFF\xFE";
    auto put = [&](char32_t u) {
      bytes += static_cast<char>(u & 0xFF);
      bytes += static_cast<char>(u >> 8);
    };
    for (char32_t c : chars) {
      if (c >= 0x10000) {
        put(0xD800 + ((c - 0x10000) >> 10));
        put(0xDC00 + ((c - 0x10000) & 0x3FF));
      } else {
        put(c);
      }
    }
  }
  return AtomicWriteFile(path, bytes);
}

}  // namespace sorvanta
