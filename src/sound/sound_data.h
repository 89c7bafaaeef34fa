#pragma once
// The registry's records: a sound effect, decoded once and played through a
// pool of six reusable channels, and a music track, opened on first play and
// streamed from its file.
#include <array>
#include <memory>
#include <string>

namespace sorvanta {

class TSound;
class TChannel;

class TSoundData {
 public:
  static constexpr int kPoolSize = 6;

  TSoundData() = default;
  virtual ~TSoundData() = default;

  std::string id;                 // the effect's name as written in the registry file
  std::string url;                // bDir + the file's relative path
  std::shared_ptr<TSound> snd;    // none when the file did not decode
  std::array<std::shared_ptr<TChannel>, kPoolSize> chn;  // the channel pool
  std::string typ;                // declared kind; always empty

  // Plays once at a speed of n / 25 (n above 25 counts as 25, below 0 as 1),
  // outside the pool; the channel is not tracked. Kept with the record's
  // interface; nothing in the game calls it.
  virtual void playWithRate(int n);
  // Plays once in the first free or finished pool slot, at the effects volume
  // of this moment; dropped when all six copies still sound.
  virtual void playMe();
  // Empties every slot whose channel has stopped sounding.
  virtual void update();
};

class TMusicData {
 public:
  TMusicData() = default;
  virtual ~TMusicData() = default;

  std::string id;               // the track's name
  std::string url;              // bDir + the file's relative path
  std::shared_ptr<TSound> snd;  // none until opened
  int loop = 0;                 // flags for LoadSound: 1 loops for ever
  int numer = 0;                // 1-based position in the registry file

  // Opens the track unless it already is; a failure leaves snd none and
  // the next call tries again.
  virtual void loadMe();
};

}  // namespace sorvanta
