#pragma once
// String splitters and cleaners that every parser of the game stands on.
// Strings are UTF-8; "character" means one code point (a malformed byte
// counts as one character). Comparisons are exact and case-sensitive.
#include <string>
#include <vector>

namespace sorvanta {

// Splits text at every sep. Empty pieces between separators (and before a
// separator at the start) are kept; an empty last piece is dropped, so the
// empty text gives no pieces. When open and close are both given, separators
// between them do not split and the open/close characters are dropped. An
// empty sep gives the whole text as one piece.
std::vector<std::string> rozbijTekst(const std::string& text, const std::string& sep,
                                     const std::string& open, const std::string& close);

// As rozbijTekst, but never splits between double quotes; the quotes stay in
// the pieces.
std::vector<std::string> rozbijTekstQ(const std::string& text, const std::string& sep,
                                      const std::string& open, const std::string& close);

// The lines of text: each LF ends a line (kept even when empty, CR kept); the
// text after the last LF counts only when not empty.
std::vector<std::string> splitString(const std::string& text);

// The words of text, cut at blanks only; blank-only words are skipped, other
// white space stays inside the words.
std::vector<std::string> splitSpaceString(const std::string& text);

// text without any double quote.
std::string usunCytat(const std::string& text);

// The four helpers below are kept with the text helpers' interface; nothing
// in the game calls them.

// The elements of list that are not empty after Trim, in order and unchanged.
std::vector<std::string> usunPuste(const std::vector<std::string>& list);

// 1 when every character of text is a digit 0-9 (also for the empty text).
int jestCalkowita(const std::string& text);

// The texts found between the open and close characters. mode 0: markers
// count everywhere; 1: only outside double quotes; other: never. Quotes are
// dropped; a marker left open at the end is not returned.
std::vector<std::string> wyciagnijZnaczniki(const std::string& text, const std::string& open,
                                            const std::string& close, int mode);

// text with its marked stretches (markers included) and its quotes removed;
// markers count as for wyciagnijZnaczniki.
std::string usunZnaczniki(const std::string& text, const std::string& open,
                          const std::string& close, int mode);

}  // namespace sorvanta
