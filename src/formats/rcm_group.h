#pragma once
// A named group of a data file: entries and subgroups, in the order read or
// created. Lookups compare names ignoring case; the first match wins.
#include <memory>
#include <string>
#include <vector>

#include "formats/rcm_entry.h"

namespace sorvanta {

class TRCMGroup {
 public:
  std::string _id;  // the group's name
  // Set by the reader: the position just after this group's closing brace,
  // counted from just after its opening brace; 0 when it never closed.
  int _pos = 0;
  std::vector<std::shared_ptr<TRCMGroup>> _listaGrup;
  std::vector<std::shared_ptr<TRCMEntry>> _listaWpisow;

  TRCMGroup() = default;
  explicit TRCMGroup(std::string id) : _id(std::move(id)) {}
  // Releases deep trees without deep recursion.
  ~TRCMGroup();
  TRCMGroup(const TRCMGroup&) = delete;
  TRCMGroup& operator=(const TRCMGroup&) = delete;

  // The group's text as the writer puts it, each line starting with indent.
  std::string save(const std::string& indent) const;
  // Dumps the group to standard output, one Print per line.
  int showGroup(const std::string& indent) const;

  std::shared_ptr<TRCMGroup> getGroup(const std::string& name) const;
  std::shared_ptr<TRCMEntry> getEntry(const std::string& name) const;

  // Sets value at index of the entry key, creating a string (number) entry
  // when there is none; an existing entry keeps its type.
  int setStringEntry(const std::string& key, const std::string& value, int index);
  int setFloatEntry(const std::string& key, float value, int index);

  std::shared_ptr<TRCMEntry> _addEntry(const std::string& key, const std::string& value,
                                       int index);
};

}  // namespace sorvanta
