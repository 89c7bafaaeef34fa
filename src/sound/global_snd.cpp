#include "sound/global_snd.h"

#include <string>

#include "core/frame.h"
#include "core/globals.h"
#include "formats/bounded_count.h"
#include "formats/rcm_file.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "platform/system.h"
#include "sound/volume_settings.h"

namespace sorvanta {

std::shared_ptr<TGlobalSnd> globalSnd;

namespace {

const char* const kRegistryFile = "data/globalSnd.dat";

int readInt(TRCMFile& file, const std::string& key) {
  return FloatToInt(file.getFloat(key, 0, 0));
}

// The count at key, bounded by the numbered groups (prefix + n) present, so
// a damaged count cannot keep loading going for ever.
int readCount(TRCMFile& file, const std::string& key, const std::string& prefix) {
  const auto registry = file.getGroup({"globalSnd", key});
  return boundedCount(readInt(file, "globalSnd::" + key), numberedGroupsPresent(registry, prefix),
                      "globalSnd::" + key);
}

}  // namespace

void TGlobalSnd::setup() {
  _setupMusic();
  _setupSounds();
}

void TGlobalSnd::_setupMusic() {
  auto file = loadRCMFile(bDir + kRegistryFile);
  musics = std::make_shared<MusicList>();
  const int count = readCount(*file, "musics", "music");
  for (int i = 1; i <= count; ++i) {
    const std::string key = "globalSnd::music" + std::to_string(i);
    auto music = std::make_shared<TMusicData>();
    music->id = file->getString(key + "::id", 0);
    music->loop = readInt(*file, key + "::loop");
    music->url = bDir + file->getString(key + "::url", 0);
    music->numer = i;
    if (FileType(music->url) == 0) Notify("NO FILE: " + music->url);
    musics->push_back(music);
  }
}

void TGlobalSnd::_setupSounds() {
  auto file = loadRCMFile(bDir + kRegistryFile);
  sounds = std::make_shared<SoundList>();
  const int count = readCount(*file, "sounds", "snd");
  for (int i = 1; i <= count; ++i) {
    const std::string key = "globalSnd::snd" + std::to_string(i);
    auto sound = std::make_shared<TSoundData>();
    sound->id = file->getString(key + "::id", 0);
    sound->url = bDir + file->getString(key + "::url", 0);
    sound->snd = LoadSound(sound->url, 0);
    // Said once here, so a broken asset is noticed; the effect is then silent.
    if (!sound->snd) {
      const int type = FileType(sound->url);
      Print(type == 0 ? "NO FILE: " + sound->url
                      : "NIE UDALO SIE ZALADOWAC: " + sound->url + " FILETYPE : " +
                            std::to_string(type));
    }
    sounds->push_back(sound);
  }
}

void TGlobalSnd::_setupExctMusic(int n) {
  if (!musics) return;
  int position = 0;
  for (auto& music : *musics) {
    if (++position != n) continue;
    music->snd = LoadMusic(music->url, music->loop);
    if (!music->snd) {
      Notify("NIE UDALO SIE ZALADOWAC: " + music->url + " FILETYPE : " +
             std::to_string(FileType(music->url)));
    }
    return;
  }
}

void TGlobalSnd::click() {
  const int now = Millisecs2();
  // A last click the clock reads as still to come was a half turn ago or more.
  const int since = msSince(now, lastClick);
  if (since >= 100 || since < 0) {
    lastClick = now;
    playMySound("click");
  }
}

void TGlobalSnd::winLevel() { playMyMusic("match-win"); }

void TGlobalSnd::loseLevel() { playMyMusic("match-lost"); }

void TGlobalSnd::playMySound(const std::string& name) {
  if (soundVolume() == 0.0f || name.empty()) return;
  if (auto sound = getSoundData(name)) sound->playMe();
}

void TGlobalSnd::playMySound(const std::shared_ptr<TSoundData>& sound) {
  if (soundVolume() == 0.0f || !sound) return;
  sound->playMe();
}

std::shared_ptr<TSoundData> TGlobalSnd::getSoundData(const std::string& name) {
  if (!sounds) return nullptr;
  const std::string wanted = Upper(name);
  for (auto& sound : *sounds) {
    if (Upper(sound->id) == wanted) return sound;
  }
  return nullptr;
}

std::shared_ptr<TMusicData> TGlobalSnd::getMusicData(const std::string& name) {
  if (!musics) return nullptr;
  const std::string wanted = Upper(name);
  for (auto& music : *musics) {
    if (Upper(music->id) == wanted) return music;
  }
  return nullptr;
}

void TGlobalSnd::setSoundVol(float) {}

void TGlobalSnd::update() {
  _updateMusic();
  if (sounds) {
    for (auto& sound : *sounds) sound->update();
  }
}

}  // namespace sorvanta
