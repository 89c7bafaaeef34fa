#pragma once
// A level's readable source under tools/levels/ and its writing as a level
// file with the game's own writer.
//
// A source is lines of "word values", '#' starting a comment, then "grid"
// and the board, one line per row (tokens split on spaces, or one character
// a token when the line has no space):
//   ruleset picross | fill
//   size 1                  cell image variant 0..4
//   scale 1.0667            board drawing scale (default 1), so that cells
//                           can sit where fixed screen points expect them
//   background 3            gfx/backgrounds/background_3.jpg
//   maxMistakes 5
//   hints 1 3               charged hints, hint icons
//   modXY 0 0               board-centre corrections: down, right
//   place 2 357 346         Picross: put the centre of cell (2, 0) there
//   key r 2                 a grid key and the piece (colour) id it names
// Picross grid: '.' an empty cell, a key a picture cell of that piece.
// Fill grid: '.' empty, 'r' a cell of colour r, 'R' a cell of colour r with
// a clue of r, '.R' an empty cell with a clue of r, '0' an empty cell with a
// zero clue. Clue counts are computed from the solution.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "puzzle/board/ruleset.h"

namespace sorvanta {

class TLevel;

struct LevelSource {
  std::string name;  // for messages
  int tryb = kRulesetFill;
  int size = 1;
  float scale = 1;
  std::string background = "1";
  int maxMistakes = 5;
  int hintsCharged = 0, hintIcons = 0;
  float modAX = 0, modAY = 0;
  bool place = false;
  int placeRow = 0, placeX = 0, placeY = 0;
  std::map<std::string, int> keys;
  std::vector<std::vector<std::string>> grid;
};

// Throws std::runtime_error naming the source and line of a mistake.
LevelSource ParseLevelSource(const std::string& text, const std::string& name);
LevelSource ReadLevelSource(const std::string& path);

// The level of a source, not laid out; throws when a key names no piece or
// colour of the loaded tables. Tables must be loaded.
std::shared_ptr<TLevel> BuildLevel(const LevelSource& source);

// Writes the source's level to path; with place, first finds the board
// correction that puts the row where asked, with the game's layout.
void WriteLevel(const LevelSource& source, const std::string& path);

}  // namespace sorvanta
