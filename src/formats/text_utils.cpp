#include "formats/text_utils.h"

#include "platform/strings.h"

namespace sorvanta {

namespace {

bool isContinuation(const std::string& text, size_t i) {
  return i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
}

// Byte length of the UTF-8 character at byte i; a malformed or truncated
// sequence counts as one byte, so any input is walked safely.
size_t charLength(const std::string& text, size_t i) {
  const unsigned char c = static_cast<unsigned char>(text[i]);
  size_t n = 1;
  if (c >= 0xC2 && c <= 0xDF) n = 2;
  else if (c >= 0xE0 && c <= 0xEF) n = 3;
  else if (c >= 0xF0 && c <= 0xF4) n = 4;
  for (size_t k = 1; k < n; ++k)
    if (!isContinuation(text, i + k)) return 1;
  return n;
}

size_t countChars(const std::string& text) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); i += charLength(text, i)) ++count;
  return count;
}

// The character at byte i as a string view into text.
std::string_view charAt(const std::string& text, size_t i, size_t len) {
  return std::string_view(text).substr(i, len);
}

bool isAscii(const std::string& text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// The common case of split: no grouping and a plain ASCII separator, which
// can only match at a character boundary, so bytes can be scanned directly.
std::vector<std::string> splitAscii(const std::string& text, const std::string& sep,
                                    bool keepQuotesTogether) {
  std::vector<std::string> pieces;
  bool inQuote = false;
  size_t start = 0;
  for (size_t i = 0; i < text.size();) {
    if (keepQuotesTogether && text[i] == '"') inQuote = !inQuote;
    if (!inQuote && text[i] == sep[0] && text.compare(i, sep.size(), sep) == 0) {
      pieces.emplace_back(text, start, i - start);
      i += sep.size();
      start = i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) pieces.emplace_back(text, start, text.size() - start);
  return pieces;
}

std::vector<std::string> split(const std::string& text, const std::string& sep,
                               const std::string& open, const std::string& close,
                               bool keepQuotesTogether) {
  std::vector<std::string> pieces;
  if (sep.empty()) {
    // Every position would match without moving on: take the text whole.
    if (!text.empty()) pieces.push_back(text);
    return pieces;
  }
  if (open.empty() && isAscii(sep)) return splitAscii(text, sep, keepQuotesTogether);
  const size_t sepChars = countChars(sep);
  const size_t textChars = countChars(text);
  const bool grouping = !open.empty() && !close.empty();
  std::string piece;
  bool inGroup = false;
  bool inQuote = false;
  size_t i = 0;       // byte position
  size_t charPos = 0; // character position
  while (i < text.size()) {
    const size_t len = charLength(text, i);
    const std::string_view ch = charAt(text, i, len);
    if (keepQuotesTogether && ch == "\"") inQuote = !inQuote;
    if (charPos + sepChars > textChars) {
      piece.append(ch);
    } else if (!inQuote && (!inGroup || !grouping) &&
               std::string_view(text).substr(i, sep.size()) == sep) {
      pieces.push_back(std::move(piece));
      piece.clear();
      i += sep.size();
      charPos += sepChars;
      continue;
    } else if (open.empty()) {
      piece.append(ch);
    } else if (ch == open && !inGroup) {
      inGroup = true;
    } else if (ch == close) {
      inGroup = false;
    } else {
      piece.append(ch);
    }
    i += len;
    ++charPos;
  }
  if (!piece.empty()) pieces.push_back(std::move(piece));
  return pieces;
}

// The marker scan shared by wyciagnijZnaczniki and usunZnaczniki.
void scanMarkers(const std::string& text, const std::string& open, const std::string& close,
                 int mode, std::vector<std::string>* found, std::string* kept) {
  bool inMarker = false;
  bool inQuote = false;
  std::string collected;
  for (size_t i = 0; i < text.size();) {
    const size_t len = charLength(text, i);
    const std::string_view ch = charAt(text, i, len);
    i += len;
    const bool active = mode == 0 || (mode == 1 && !inQuote);
    if (ch == open) {
      if (active && !inMarker) {
        inMarker = true;
        collected.clear();
      }
    } else if (ch == close) {
      if (active && inMarker) {
        inMarker = false;
        if (found) found->push_back(collected);
      }
    } else if (ch == "\"") {
      if (mode != 0) inQuote = !inQuote;
    } else if (inMarker) {
      collected.append(ch);
    } else if (kept) {
      kept->append(ch);
    }
  }
}

}  // namespace

std::vector<std::string> rozbijTekst(const std::string& text, const std::string& sep,
                                     const std::string& open, const std::string& close) {
  return split(text, sep, open, close, false);
}

std::vector<std::string> rozbijTekstQ(const std::string& text, const std::string& sep,
                                      const std::string& open, const std::string& close) {
  return split(text, sep, open, close, true);
}

std::vector<std::string> splitString(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t lf = text.find('\n'); lf != std::string::npos; lf = text.find('\n', start)) {
    lines.push_back(text.substr(start, lf - start));
    start = lf + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::vector<std::string> splitSpaceString(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  // A word of blanks only is kept and runs on into the next one; whether the
  // word holds more than blanks is tracked, so a long blank run is not
  // trimmed again at every space.
  bool visible = false;
  for (char c : text) {
    if (c != ' ') {
      word += c;
      visible = visible || static_cast<unsigned char>(c) > 32;
    } else if (visible) {
      words.push_back(std::move(word));
      word.clear();
      visible = false;
    }
  }
  if (visible) words.push_back(std::move(word));
  return words;
}

std::string usunCytat(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != '"') out += c;
  return out;
}

std::vector<std::string> usunPuste(const std::vector<std::string>& list) {
  std::vector<std::string> kept;
  for (const std::string& item : list)
    if (!Trim(item).empty()) kept.push_back(item);
  return kept;
}

int jestCalkowita(const std::string& text) {
  for (char c : text)
    if (c < '0' || c > '9') return 0;
  return 1;
}

std::vector<std::string> wyciagnijZnaczniki(const std::string& text, const std::string& open,
                                            const std::string& close, int mode) {
  std::vector<std::string> found;
  scanMarkers(text, open, close, mode, &found, nullptr);
  return found;
}

std::string usunZnaczniki(const std::string& text, const std::string& open,
                          const std::string& close, int mode) {
  std::string kept;
  scanMarkers(text, open, close, mode, nullptr, &kept);
  return kept;
}

}  // namespace sorvanta
