#include "platform/strings.h"

#include <clocale>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace sorvanta {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes the code point at byte pos; returns how many bytes it took (at
// least 1). A byte that does not start a valid sequence counts alone as U+FFFD.
std::size_t DecodeAt(const std::string& s, std::size_t pos, char32_t* out) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  if (b0 < 0x80) {
    *out = b0;
    return 1;
  }
  std::size_t len;
  char32_t cp;
  char32_t min;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2, cp = b0 & 0x1F, min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3, cp = b0 & 0x0F, min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    *out = kReplacement;
    return 1;
  }
  if (pos + len > s.size()) {
    *out = kReplacement;
    return 1;
  }
  for (std::size_t i = 1; i < len; ++i) {
    const auto b = static_cast<unsigned char>(s[pos + i]);
    if ((b & 0xC0) != 0x80) {
      *out = kReplacement;
      return 1;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    *out = kReplacement;
    return 1;
  }
  *out = cp;
  return len;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Byte offset of the code point with 0-based index n (s.size() past the end).
std::size_t ByteOffset(const std::string& s, int n) {
  std::size_t pos = 0;
  char32_t cp;
  while (n > 0 && pos < s.size()) {
    pos += DecodeAt(s, pos, &cp);
    --n;
  }
  return pos;
}

template <typename F>
std::string MapCase(const std::string& s, F map) {
  std::string out;
  out.reserve(s.size());
  std::size_t pos = 0;
  while (pos < s.size()) {
    char32_t cp;
    const std::size_t len = DecodeAt(s, pos, &cp);
    const char32_t mapped = map(cp);
    if (mapped == cp) {
      out.append(s, pos, len);  // keeps even invalid bytes as they were
    } else {
      AppendUtf8(out, mapped);
    }
    pos += len;
  }
  return out;
}

// Number text must not depend on the process locale.
locale_t CLocale() {
  static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return loc;
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string Trim(const std::string& s) {
  std::size_t b = 0;
  std::size_t e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
  return s.substr(b, e - b);
}

std::string Upper(const std::string& s) { return MapCase(s, UpperCase); }

std::string Replace(const std::string& s, const std::string& from, const std::string& to) {
  if (from.empty()) return s;
  std::string out;
  std::size_t pos = 0;
  for (;;) {
    const std::size_t hit = s.find(from, pos);
    if (hit == std::string::npos) break;
    out.append(s, pos, hit - pos);
    out += to;
    pos = hit + from.size();
  }
  out.append(s, pos, std::string::npos);
  return out;
}

int Instr(const std::string& s, const std::string& sub, int start) {
  if (start < 1) start = 1;
  std::size_t pos = 0;
  char32_t cp;
  int index = 1;
  for (; index < start; ++index) {
    if (pos >= s.size()) return 0;
    pos += DecodeAt(s, pos, &cp);
  }
  // Matches only count at code point boundaries.
  for (;;) {
    if (pos + sub.size() <= s.size() && s.compare(pos, sub.size(), sub) == 0) return index;
    if (pos >= s.size()) return 0;
    pos += DecodeAt(s, pos, &cp);
    ++index;
  }
}

std::string Left(const std::string& s, int n) {
  if (n <= 0) return {};
  return s.substr(0, ByteOffset(s, n));
}

std::string Mid(const std::string& s, int start, int count) {
  if (count == 0) return {};
  if (start < 1) {
    // Characters before the first one count against count.
    if (count > 0) {
      const long long rest = static_cast<long long>(count) + start - 1;
      if (rest <= 0) return {};
      count = static_cast<int>(rest);
    }
    start = 1;
  }
  const std::size_t b = ByteOffset(s, start - 1);
  if (count < 0) return s.substr(b);
  std::size_t e = b;
  char32_t cp;
  while (count > 0 && e < s.size()) {
    e += DecodeAt(s, e, &cp);
    --count;
  }
  return s.substr(b, e - b);
}

int Len(const std::string& s) {
  int n = 0;
  std::size_t pos = 0;
  char32_t cp;
  while (pos < s.size()) {
    pos += DecodeAt(s, pos, &cp);
    if (n < INT_MAX) ++n;
  }
  return n;
}

std::string FloatToText(double value) {
  char buf[64];
  const locale_t c = CLocale();
  const locale_t old = c ? uselocale(c) : static_cast<locale_t>(0);
  std::snprintf(buf, sizeof buf, "%#.9g", value);
  if (c) uselocale(old);
  return buf;
}

double TextToFloat(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size() && IsSpace(s[i])) ++i;
  const std::size_t begin = i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  std::size_t end = i;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IsDigit(s[j])) {
      while (j < s.size() && IsDigit(s[j])) ++j;
      end = j;
    }
  }
  // The prefix is checked above, so strtod cannot read hex, "inf" or "nan".
  const std::string number = s.substr(begin, end - begin);
  if (CLocale() == static_cast<locale_t>(0)) return std::strtod(number.c_str(), nullptr);
  return strtod_l(number.c_str(), nullptr, CLocale());
}

int TextToInt(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size() && IsSpace(s[i])) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  long long value = 0;
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  for (; i < s.size() && IsDigit(s[i]); ++i) {
    value = value * 10 + (s[i] - '0');
    if (value > limit) value = limit;  // saturate; keeps reading the digits
  }
  return static_cast<int>(negative ? -value : value);
}

int FloatToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483648.0) return INT_MAX;
  if (value <= -2147483649.0) return INT_MIN;
  return static_cast<int>(value);
}

std::string IntToText(int value) { return std::to_string(value); }

std::u32string Utf8ToU32(const std::string& s) {
  std::u32string out;
  out.reserve(s.size());
  std::size_t pos = 0;
  while (pos < s.size()) {
    char32_t cp;
    pos += DecodeAt(s, pos, &cp);
    out += cp;
  }
  return out;
}

std::string U32ToUtf8(const std::u32string& s) {
  std::string out;
  out.reserve(s.size());
  for (char32_t cp : s) AppendUtf8(out, cp);
  return out;
}

}  // namespace sorvanta
