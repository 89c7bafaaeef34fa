#pragma once
// The game's sound and music registry. It reads "data/globalSnd.dat" once
// during loading, plays effects by name and music by name or number, and
// once per frame advances the music crossfade and frees finished effect
// channels. Names are matched ignoring case; a track's number is its
// position in the file, from 1 (0: no track).
//
// Music: one current track and at most one outgoing track, each on its own
// channel. A channel sounds at music volume × its fade level × 0.5; the
// fade levels move by 0.03 × delta per frame, so a crossfade takes 34
// frames at 60 frames per second.
#include <list>
#include <memory>
#include <string>

#include "sound/sound_data.h"

namespace sorvanta {

class TGlobalSnd {
 public:
  using MusicList = std::list<std::shared_ptr<TMusicData>>;
  using SoundList = std::list<std::shared_ptr<TSoundData>>;

  TGlobalSnd() = default;
  virtual ~TGlobalSnd() = default;
  TGlobalSnd(const TGlobalSnd&) = delete;
  TGlobalSnd& operator=(const TGlobalSnd&) = delete;

  std::shared_ptr<MusicList> musics;  // tracks in file order; none before setup
  std::shared_ptr<SoundList> sounds;  // effects in file order; none before setup
  std::shared_ptr<std::list<std::string>> comments;  // never filled
  std::shared_ptr<TChannel> newMusicCHN;  // the current track
  std::shared_ptr<TChannel> oldMusicCHN;  // the outgoing track while it fades out
  std::shared_ptr<TMusicData> oldMusicData;
  std::shared_ptr<TMusicData> newMusicData;  // stays set after the track stops
  float musicSpecVol = 0.5f;
  float newPer = 0.0f;    // fade level of the current track
  float oldPer = 0.0f;    // fade level of the outgoing track
  float musicVol = 0.0f;  // the volume last passed to setMusicVol
  int lastClick = 0;      // clock time of the last click sound played
  std::string lastMusic;  // background track chosen last
  std::string lastMusic2;  // unused

  // Reads the music entries, then the effects (decoding every effect).
  virtual void setup();
  // The per-frame step: the music fades, then the effect pools.
  virtual void update();

  virtual void _setupMusic();
  virtual void _setupSounds();
  // Opens the track at position n now (again, if it already was).
  virtual void _setupExctMusic(int n);
  // Plays "click" unless one played less than 100 ms ago.
  virtual void click();
  virtual void over() {}
  // The win and loss music; kept with the registry's interface, nothing in
  // the game calls them.
  virtual void winLevel();
  virtual void loseLevel();
  // Plays an effect at the effects volume; nothing at volume 0.
  virtual void playMySound(const std::string& name);
  virtual void playMySound(const std::shared_ptr<TSoundData>& sound);
  // Kept with the registry's interface; nothing in the game calls these four.
  virtual void playLevelMusic();
  virtual void stopAllMusic();
  virtual void playMusicBack();
  virtual void playLevelSound(int n);
  // Plays a track from its beginning, crossfading from the current one when
  // that still plays (also when it is the same track).
  virtual void playMyMusic(const std::string& name);
  virtual void playMyMusic(const std::shared_ptr<TMusicData>& music);
  // A background track of bg; kept with the registry's interface, nothing in
  // the game calls it.
  virtual void PlayMusicByBackground(int bg);
  // Number of a background track drawn at random for background bg (1..10);
  // 0 for other backgrounds or a drawn name that is not registered.
  virtual int GetMusicNumberForBackground(int bg);
  // Effects read the volume at each play, so nothing is kept here.
  virtual void setSoundVol(float volume);
  // Applies a music volume: 0 stops the music, leaving 0 restarts the
  // current track from its beginning.
  virtual void setMusicVol(float volume);
  // Number of the current track record, 0 when there is none.
  virtual int getActMusicN();
  virtual void playMusicByNumber(int n);
  virtual std::shared_ptr<TMusicData> getMusicData(const std::string& name);
  virtual std::shared_ptr<TSoundData> getSoundData(const std::string& name);
  // 1 when no current channel is playing (none, ended, stopped or paused).
  virtual int mustPlayNewMusic();
  // Pause and resume both music channels; effects play on.
  virtual void pauseSounds();
  virtual void resumeSounds();
  // Kept with the registry's interface; nothing in the game calls it.
  virtual void stopMusic();
  // Turns the current track into the outgoing one: it fades out from the
  // outgoing level, which is 0 (silence at the next frame) unless a
  // crossfade is under way.
  virtual void hideMusic();

 private:
  void _updateMusic();
  void _setMusicChannelVolume(const std::shared_ptr<TChannel>& channel, float per);
  void _letGoOfOldChannel();
  std::string _drawBackgroundName(int bg);
};

extern std::shared_ptr<TGlobalSnd> globalSnd;

}  // namespace sorvanta
