#include "formats/rcm_entry.h"

#include "platform/strings.h"
#include "platform/system.h"

namespace sorvanta {

namespace {

// A number value as the writer puts it: integral values as plain integers,
// an empty value as 0, anything else as its stored text.
std::string numberText(const std::string& value) {
  if (value.empty()) return "0";
  const int asInt = TextToInt(value);
  if (static_cast<float>(asInt) == static_cast<float>(TextToFloat(value)))
    return std::to_string(asInt);
  return value;
}

// Characters the reader cannot take back from inside a quoted value: a quote
// ends the value, "=" cuts the line, a line break splits it, and braces open
// or close a group.
bool unreadable(char c) {
  return c == '"' || c == '=' || c == '\n' || c == '\r' || c == '{' || c == '}';
}

}  // namespace

std::string TRCMEntry::toTxt(bool reportDropped) const {
  std::string line = _id + " = ";
  bool dropped = false;
  for (size_t i = 0; i < _value.size(); ++i) {
    if (i > 0) line += ", ";
    if (_type == RCM_number_) {
      line += numberText(_value[i]);
    } else {
      line += '"';
      for (char c : _value[i]) {
        if (unreadable(c))
          dropped = true;
        else
          line += c;
      }
      line += '"';
    }
  }
  // A file that reads back whole is worth more than the odd character.
  if (dropped && reportDropped)
    Print("Napotkano problem : characters a data file cannot hold were dropped from the value of " + _id);
  return line;
}

bool TRCMEntry::writesWhole() const {
  if (_type == RCM_number_) return true;
  for (const std::string& value : _value)
    for (char c : value)
      if (unreadable(c)) return false;
  return true;
}

int TRCMEntry::setValue(const std::string& value, int index) {
  if (index < 0) return 0;
  const size_t slot = static_cast<size_t>(index);
  if (slot >= _value.size()) {
    // Same as copying into a fresh array of index + 1 "" slots.
    _value.resize(slot + 1);
  }
  _value[slot] = value;
  return 0;
}

std::vector<std::string> TRCMEntry::createArray(int n) {
  return std::vector<std::string>(n > 0 ? static_cast<size_t>(n) : 0);
}

}  // namespace sorvanta
