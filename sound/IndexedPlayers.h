#pragma once
// The two player tables behind the sound indexes above 100: Ogg streams
// (101..200) and song players (201..). The engine dispatches per-index
// operations to them by range; `slot` is the index less 100 or 200.
#include <cstdint>
#include <string>

// The flags word of a sound's playback, one set for cues, songs and Ogg streams.
namespace dsflags {
enum : int16_t {
  Duplicate = 1, Class3 = 2, NoPlay = 4, Loop = 8, Restart = 32, Class2 = 64, Class1 = 128,
  ClassMinus1 = 256, NotStatic = 512, ThreeD = 1024, SkipIfPlaying = 2048, ConeAngles = 4096,
  GlobalFocus = 8192,
};
}

// ReuseClass from a flags word: the first of 2, 64, 128, 256 wins.
inline int16_t ReuseClassFromFlags(int16_t DSFlags) {
  if (DSFlags & dsflags::Class3) return 3;
  if (DSFlags & dsflags::Class2) return 2;
  if (DSFlags & dsflags::Class1) return 1;
  if (DSFlags & dsflags::ClassMinus1) return -1;
  return 0;
}

class IndexedPlayers {
 public:
  virtual ~IndexedPlayers() = default;

  // Sizes the table 0..count (from "sounds.ini"); contents start empty.
  virtual void Resize(int16_t count) = 0;
  // Opens and plays a name (already upper case); returns the sound index or 0.
  virtual int16_t Play(const std::string& name, int16_t Volume, int32_t Frequency, int16_t Pan, int16_t DSFlags) = 0;

  virtual bool IsPlaying(int16_t slot) = 0;
  virtual void StopPlay(int16_t slot) = 0;
  virtual void DeleteSound(int16_t slot) = 0;
  virtual void SetVolume(int16_t slot, int16_t Volume) = 0;
  virtual void SetPan(int16_t slot, int16_t Pan) = 0;
  virtual void SetFrequency(int16_t slot, int32_t Frequency) = 0;
  // Offset already lowered to a multiple of 4 by the engine.
  virtual void PlayOpenedSound(int16_t slot, int32_t startOffset, int16_t DSFlags) = 0;

  virtual void PauseAll() = 0;
  virtual void UnPauseAll() = 0;
  virtual void UnpauseOne(int16_t slot) = 0;
  // Slots 1..count, for KillAllSounds.
  virtual int16_t Count() = 0;
  // Whether any slot is sounding now (a paused player is not).
  virtual bool Sounding() {
    for (int16_t i = 1; i <= Count(); ++i)
      if (IsPlaying(i)) return true;
    return false;
  }

  // Engine start and shutdown (the Ogg library starts and stops here).
  virtual void Start() {}
  virtual void Shutdown() {}
};
