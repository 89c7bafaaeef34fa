#pragma once
// One entry of a data file: a key and its list of values, held as text.
#include <string>
#include <vector>

namespace sorvanta {

// Entry types.
constexpr int RCM_string_ = 0;
constexpr int RCM_number_ = 1;

class TRCMEntry {
 public:
  std::string _id;                  // key, in the case it was first set or read with
  std::vector<std::string> _value;  // values, index 0 first; numbers as text
  int _type = RCM_string_;

  // The entry's line without indent and LF: key, " = ", the values joined by
  // ", " (strings quoted, numbers as integers where they are integral).
  // A string value loses the characters the reader cannot read back (quote,
  // "=", braces, line feed, carriage return); with reportDropped a line on
  // standard output names the key when any went.
  std::string toTxt(bool reportDropped = false) const;
  // Whether toTxt keeps every character of a string entry's values (a
  // number entry's are written as numbers, whatever they hold).
  bool writesWhole() const;

  // Stores value at index, growing the value list with "" slots as needed.
  // A negative index does nothing.
  int setValue(const std::string& value, int index);

  // n empty strings; kept with the entry's interface, nothing in the game
  // calls it.
  static std::vector<std::string> createArray(int n);
};

}  // namespace sorvanta
