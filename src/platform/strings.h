#pragma once
// Text helpers. Every string holds UTF-8; lengths and positions count code
// points, 1-based where a position is asked for. Out-of-range arguments clamp.
#include <string>

namespace sorvanta {

// Drops characters of code 32 and below at both ends.
std::string Trim(const std::string& s);
// Unicode simple upper-case mapping, code point by code point ("ß" stays,
// "ǆ" becomes "Ǆ"); other text, invalid bytes included, is kept.
std::string Upper(const std::string& s);
char32_t UpperCase(char32_t c);
// Every occurrence of from replaced by to; an empty from leaves s unchanged.
std::string Replace(const std::string& s, const std::string& from, const std::string& to);
// Position (from 1) of the first sub at or after start, or 0.
int Instr(const std::string& s, const std::string& sub, int start = 1);
std::string Left(const std::string& s, int n);
// count < 0: everything from start on.
std::string Mid(const std::string& s, int start, int count = -1);
int Len(const std::string& s);

// "%#.9g": nine significant digits, the decimal point always written.
std::string FloatToText(double value);
// Longest leading decimal number after leading white space; 0 when there is none.
double TextToFloat(const std::string& s);
// Leading white space, optional sign, decimal digits; saturates on overflow.
int TextToInt(const std::string& s);
// Truncation toward zero; NaN gives 0, values out of range saturate.
int FloatToInt(double value);
std::string IntToText(int value);

// Invalid bytes decode to U+FFFD; invalid code points encode as U+FFFD.
std::u32string Utf8ToU32(const std::string& s);
std::string U32ToUtf8(const std::u32string& s);

}  // namespace sorvanta
