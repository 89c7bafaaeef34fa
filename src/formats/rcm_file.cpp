#include "formats/rcm_file.h"

#include <algorithm>
#include <exception>
#include <unordered_set>

#include "formats/text_utils.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "platform/system.h"

namespace sorvanta {

namespace {

std::vector<std::string> pathPieces(const std::string& path) {
  return rozbijTekst(path, "::", "", "");
}

// A string value as the writer puts it, blank and quote before, quote after:
// those three characters go.
std::string unquote(const std::string& piece) {
  const auto ascii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
  if (piece.size() >= 3 && ascii(piece[0]) && ascii(piece[1]) && ascii(piece.back()))
    return piece.substr(2, piece.size() - 3);
  const int length = Len(piece);
  if (length <= 3) return "";
  return Mid(piece, 3, length - 3);
}

// The text without its blanks (space, TAB, CR): the writer's spacing and
// line ends are no part of what a line holds.
std::string withoutBlanks(const std::string& text) {
  std::string kept;
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\r') kept += c;
  return kept;
}

// A control character no saved file holds: any but TAB, LF and CR.
bool controlByte(unsigned char c) {
  return c == 0x7F || (c < ' ' && c != '\t' && c != '\n' && c != '\r');
}

// An entry as the writer puts it, for comparing: without blanks, upper-cased.
std::string entryKey(const TRCMEntry& entry) {
  return Upper(withoutBlanks(entry.toTxt()));
}

}  // namespace

// ---- writing ----

std::string TRCMFile::toText() const {
  std::string text;
  for (const auto& group : _grupa->_listaGrup)
    if (group) text += group->save("");
  return text;
}

int TRCMFile::save(const std::string& path) const {
  bool written = false;
  try {
    written = SaveText(toText(), path);
  } catch (const std::exception&) {
    written = false;
  }
  if (!written) errorMsg("Nie udalo sie zapisac pliku : " + path);
  return 0;
}

// ---- reading ----

int TRCMFile::Load(const std::string& path) {
  _path = path;
  _realPath = RealPath(path);
  broken = false;
  if (FileType(path) == 0) {
    errorMsg("Nie znaleziono pliku : " + path);
    return 0;
  }
  try {
    _txt = LoadText(path);
  } catch (const FileTooLargeError&) {
    _txt.clear();
    errorMsg("Plik jest za duzy : " + path);
    return 0;
  } catch (const std::exception&) {
    // A folder, or a file we may not read: as good as missing.
    _txt.clear();
    errorMsg("Nie znaleziono pliku : " + path);
    return 0;
  }
  if (_txt.empty()) return 0;
  if (checkTxt() == 0) {
    broken = true;
    return 0;
  }
  _grupa = readAll(_txt, "MAINGROUP");
  return 0;
}

int TRCMFile::checkTxt() {
  if (!_txt.empty() && _txt.back() == '}') _txt += '\n';
  return checkGroups();
}

int TRCMFile::checkGroups() {
  long long opened = 0;
  long long closed = 0;
  bool inQuote = false;
  for (char c : _txt) {
    if (inQuote) {
      if (c == '"') inQuote = false;
    } else if (c == '"') {
      inQuote = true;
    } else if (c == '{') {
      ++opened;
    } else if (c == '}') {
      ++closed;
    }
  }
  if (opened == closed) return 1;
  errorMsg("Blad nawiasow klamrowych! \"{\" - " + std::to_string(opened) + " \"}\" - " +
           std::to_string(closed));
  return 0;
}

std::shared_ptr<TRCMGroup> TRCMFile::readAll(const std::string& text, const std::string& name) {
  struct Open {
    std::shared_ptr<TRCMGroup> group;
    size_t start;  // character position where the group's own text begins
  };
  auto root = std::make_shared<TRCMGroup>(name);
  std::vector<Open> open{{root, 0}};
  std::string line;  // the text since the last entry, brace or line break
  bool hasEquals = false;
  bool visible = false;  // the line holds more than blanks: Trim would keep some
  size_t chars = 0;  // characters before byte i: positions count characters
  for (size_t i = 0; i < text.size() && !open.empty(); ++i) {
    // Ordinary characters go to the line in runs.
    const size_t stop = std::min(text.find_first_of("{}\n", i), text.size());
    if (stop > i) {
      for (size_t k = i; k < stop; ++k) {
        const unsigned char c = static_cast<unsigned char>(text[k]);
        if ((c & 0xC0) != 0x80) ++chars;
        if (c == '=') hasEquals = true;
        if (c > ' ') visible = true;
        if (controlByte(c)) broken = true;
      }
      line.append(text, i, stop - i);
      i = stop;
      if (i == text.size()) break;
    }
    const char c = text[i];
    ++chars;
    if (c == '{') {
      // The writer puts a group's name, and nothing else, before its brace.
      if (hasEquals || !visible) broken = true;
      auto sub = std::make_shared<TRCMGroup>(Trim(line));
      open.back().group->_listaGrup.push_back(sub);
      open.push_back({sub, chars});
      line.clear();
      hasEquals = visible = false;
    } else if (c == '}') {
      // The group ends here; a line that has not met its LF is dropped.
      if (visible) broken = true;
      open.back().group->_pos = static_cast<int>(chars - open.back().start);
      open.pop_back();
      line.clear();
      hasEquals = visible = false;
    } else if (c == '\n') {
      if (hasEquals) {
        auto entry = readEntry(Trim(line));
        // What the writer would not write back as it stands is lost at the
        // next save; the root's entries are never written.
        if (open.size() == 1 || !entry->writesWhole() || withoutBlanks(line) != withoutBlanks(entry->toTxt()))
          broken = true;
        open.back().group->_listaWpisow.push_back(std::move(entry));
        line.clear();
        hasEquals = visible = false;
      } else if (visible) {
        broken = true;  // glued onto the next key or group name
      }
    }
  }
  // Groups still open at the end of the text end there, with _pos 0; a
  // closed top ended reading early; a last line without its LF is dropped.
  if (open.size() != 1 || visible) broken = true;
  return root;
}

std::string TRCMFile::myTrim(const std::string& text) {
  return Replace(Trim(Replace(text, "0", "*")), "*", "0");
}

std::shared_ptr<TRCMEntry> TRCMFile::readEntry(const std::string& line) {
  auto entry = std::make_shared<TRCMEntry>();
  const std::vector<std::string> pieces = rozbijTekst(line, "=", "", "");
  if (!pieces.empty()) entry->_id = Trim(pieces[0]);
  // Anything after a second "=" is lost.
  const std::string valueText = pieces.size() > 1 ? pieces[1] : "";
  const std::string trimmed = Trim(valueText);
  const bool number = !trimmed.empty() && ((trimmed[0] >= '0' && trimmed[0] <= '9') ||
                                           trimmed[0] == '-');
  entry->_type = number ? RCM_number_ : RCM_string_;
  for (const std::string& piece : rozbijTekstQ(valueText, ",", "", ""))
    entry->_value.push_back(number ? piece : unquote(piece));
  // A key with nothing after its "=" still holds one (empty) value.
  if (entry->_value.empty()) entry->_value.emplace_back();
  return entry;
}

bool TRCMFile::holdsAllOf(const TRCMFile& read) const {
  // Each group of read beside the groups of this file at its path; the root
  // beside this root, whose own entries are never written.
  struct Step {
    const TRCMGroup* group;
    std::vector<const TRCMGroup*> alike;
    bool written;
  };
  std::vector<Step> todo{{read._grupa.get(), {_grupa.get()}, false}};
  while (!todo.empty()) {
    const Step step = std::move(todo.back());
    todo.pop_back();
    std::unordered_set<std::string> entries;
    if (step.written)
      for (const TRCMGroup* group : step.alike)
        for (const auto& entry : group->_listaWpisow)
          if (entry) entries.insert(entryKey(*entry));
    for (const auto& entry : step.group->_listaWpisow)
      if (entry && !entries.count(entryKey(*entry))) return false;
    for (const auto& sub : step.group->_listaGrup) {
      if (!sub) continue;
      const std::string name = Upper(sub->_id);
      if (name.empty()) return false;
      Step next{sub.get(), {}, true};
      for (const TRCMGroup* group : step.alike)
        for (const auto& mine : group->_listaGrup)
          if (mine && Upper(mine->_id) == name) next.alike.push_back(mine.get());
      if (next.alike.empty()) return false;
      todo.push_back(std::move(next));
    }
  }
  return true;
}

// ---- paths ----

std::shared_ptr<TRCMGroup> TRCMFile::getGroup(const std::vector<std::string>& pieces) const {
  if (pieces.empty()) return nullptr;
  std::shared_ptr<TRCMGroup> group = _grupa;
  for (size_t k = 0; k + 1 < pieces.size() && group; ++k) group = group->getGroup(pieces[k]);
  return group;
}

std::shared_ptr<TRCMGroup> TRCMFile::getGroupSet(const std::vector<std::string>& pieces) {
  std::shared_ptr<TRCMGroup> group = _grupa;
  for (size_t k = 0; k + 1 < pieces.size(); ++k) {
    std::shared_ptr<TRCMGroup> sub = group->getGroup(pieces[k]);
    if (!sub) {
      sub = std::make_shared<TRCMGroup>(pieces[k]);
      group->_listaGrup.push_back(sub);
    }
    group = sub;
  }
  return group;
}

int TRCMFile::setString(const std::string& path, const std::string& value, int index) {
  const std::vector<std::string> pieces = pathPieces(path);
  if (pieces.empty() || index < 0) return 0;
  getGroupSet(pieces)->setStringEntry(pieces.back(), value, index);
  return 0;
}

int TRCMFile::setFloat(const std::string& path, float value, int index) {
  const std::vector<std::string> pieces = pathPieces(path);
  if (pieces.empty() || index < 0) return 0;
  getGroupSet(pieces)->setFloatEntry(pieces.back(), value, index);
  return 0;
}

std::string TRCMFile::getString(const std::string& path, int index) const {
  if (index < 0) return "";
  const std::vector<std::string> pieces = pathPieces(path);
  const std::shared_ptr<TRCMGroup> group = getGroup(pieces);
  if (!group) return "";
  const std::shared_ptr<TRCMEntry> entry = group->getEntry(pieces.back());
  if (!entry || static_cast<size_t>(index) >= entry->_value.size()) return "";
  return entry->_value[static_cast<size_t>(index)];
}

float TRCMFile::getFloat(const std::string& path, int index, int debugPrint) const {
  if (debugPrint != 0) {
    if (const auto group = getGroup(pathPieces(path))) group->showGroup("");
  }
  return static_cast<float>(TextToFloat(getString(path, index)));
}

// ---- diagnostics ----

int TRCMFile::printAll() const {
  return _grupa->showGroup("");
}

int TRCMFile::errorMsg(const std::string& text) {
  Print("Napotkano problem : " + text);
  return 0;
}

std::shared_ptr<TRCMFile> createRCMFile() {
  return std::make_shared<TRCMFile>();
}

std::shared_ptr<TRCMFile> loadRCMFile(const std::string& path) {
  auto file = std::make_shared<TRCMFile>();
  file->Load(path);
  return file;
}

}  // namespace sorvanta
