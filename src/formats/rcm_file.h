#pragma once
// A data file: a tree of named groups holding `key = value, value, ...`
// entries, read and written whole. Entries are addressed by paths of group
// names and a key joined by "::" ("profile::data::name"), matched ignoring
// case, with a value index from 0. A missing group, key or value reads as ""
// or 0; problems are reported on standard output and never thrown.
#include <memory>
#include <string>
#include <vector>

#include "formats/rcm_entry.h"
#include "formats/rcm_group.h"

namespace sorvanta {

class TRCMFile {
 public:
  // The root. A fresh file has an unnamed empty root; a successful read
  // replaces it with one named "MAINGROUP". Entries of the root itself are
  // never written.
  std::shared_ptr<TRCMGroup> _grupa = std::make_shared<TRCMGroup>();
  std::string _path;      // the path last given to Load
  std::string _realPath;  // its absolute form
  std::string _txt;       // the text last read
  // Set by Load when the text does not read back whole, so that what the
  // file gave is only part of it (all read without a word, as stored files
  // expect, but for the first): braces that do not balance (reported,
  // nothing read), a group whose text ends inside it, a "}" that closes the
  // top before the text ends; a line the writer would not write back as it
  // stands, blanks and line ends aside: an entry whose values lose or change
  // characters in reading, one of the root, a line without "=", a group
  // opened inside an entry's line or without a name, text before a "}" or
  // after the last line break; or a control character other than TAB, CR
  // and LF, which no saved file holds.
  bool broken = false;

  // Writes the file (atomically); a failed write is reported. Returns 0.
  int save(const std::string& path) const;
  // The text that save writes.
  std::string toText() const;
  // Whether the text save writes holds everything of read, as read: every
  // group by its path and every entry of it as the writer puts it; order
  // and letter case aside, as lookups ignore them, and blanks. An entry of
  // read's root, or a group without a name, is never held. Walks only as
  // deep as this file's own groups (which all have names).
  bool holdsAllOf(const TRCMFile& read) const;

  // Reads the file at path, replacing the content when it parses. A missing
  // or unreadable file, or one whose braces do not balance, is reported and
  // leaves the content as it was; an empty file is silently ignored.
  int Load(const std::string& path);
  int checkGroups();
  int checkTxt();
  // Parses text into a group called name. A group left open at the end of
  // the text ends there, with its parents.
  std::shared_ptr<TRCMGroup> readAll(const std::string& text, const std::string& name);
  // Trim, with every "*" of the text read back as "0"; kept with the file's
  // interface, nothing in the game calls it.
  static std::string myTrim(const std::string& text);
  // One entry from a trimmed line holding "=".
  static std::shared_ptr<TRCMEntry> readEntry(const std::string& line);

  // The group named by all pieces but the last, created where missing.
  std::shared_ptr<TRCMGroup> getGroupSet(const std::vector<std::string>& pieces);
  // The group named by all pieces but the last, or none.
  std::shared_ptr<TRCMGroup> getGroup(const std::vector<std::string>& pieces) const;

  // Setters create the groups and entry as needed; a negative index or an
  // empty path does nothing. They return 0.
  int setString(const std::string& path, const std::string& value, int index = 0);
  int setFloat(const std::string& path, float value, int index = 0);
  // "" (0.0) when the group, the entry or the value is missing.
  std::string getString(const std::string& path, int index = 0) const;
  float getFloat(const std::string& path, int index = 0, int debugPrint = 0) const;

  // Prints the whole tree, for debugging; nothing in the game calls it.
  int printAll() const;
  // Prints "Napotkano problem : " + text.
  static int errorMsg(const std::string& text);
};

// A new, empty file object.
std::shared_ptr<TRCMFile> createRCMFile();
// A new file object read from path; empty when reading failed.
std::shared_ptr<TRCMFile> loadRCMFile(const std::string& path);

}  // namespace sorvanta
