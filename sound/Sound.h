#pragma once
// The one sound object: cue sounds in device buffers, and the dispatch of
// sound indexes to the Ogg streams (101..200) and song players (201..).
#include "common/Variant.h"
#include "sound/DirectSound.h"
#include "sound/IndexedPlayers.h"
#include "sound/OutputSleep.h"
#include "sound/SoundHost.h"

#include <QObject>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Sound : public QObject {
  Q_OBJECT
 public:
  // Decodes a whole Ogg file into interleaved 16-bit samples.
  using OggDecoder = std::function<bool(const std::string& path, std::vector<int16_t>& pcm, int& channels, int& rate)>;

  struct BufferSlot {
    std::unique_ptr<DSBuffer> Buffer;
    DS3DBuffer* Buffer3D = nullptr;  // owned by Buffer; marks the slot as 3D
    std::string Name;
    int16_t ReuseClass = 0;
    WaveFormat Format;
    BufferDesc Desc;
    int32_t BaseFrequency = 0;
  };

  Sound(SoundHost& host, std::unique_ptr<DSDevice> device, QObject* parent = nullptr);
  ~Sound() override;

  void SetOggPlayers(IndexedPlayers* oggs) { oggs_ = oggs; }
  void SetSongPlayers(IndexedPlayers* songs) { songs_ = songs; }
  void SetOggDecoder(OggDecoder decoder) { decoder_ = std::move(decoder); }
  // Random whole number 1..n; tests make it predictable.
  void SetRandom(std::function<int32_t(int32_t n)> random) { random_ = std::move(random); }

  void DSInit();
  int16_t PlaySound(const std::string& waveFileIn, int16_t& Volume, int32_t& Frequency, int16_t& Pan,
                    int32_t& startOffset, int16_t& DSFlags);
  // The game's call: the cue volume, own frequency, centred, from the start, no flags.
  int16_t PlaySound(const std::string& waveFileIn);
  // In hundredths of a decibel, 0 the full volume: for the game's cues from now on.
  void SetCueVolume(int32_t vol) { cueVolume_ = static_cast<int16_t>(std::clamp<int32_t>(vol, -10000, 0)); }
  // Opens a song file in a song player whatever its extension, as PlaySound
  // does for ".MP3" names: a song path is a path, never a text or a wildcard.
  int16_t PlaySong(const std::string& path);
  int16_t OpenSound(int16_t slot, const std::string& name, int16_t DSFlags);
  void PlayOpenedSound(int16_t Index, int32_t startOffset, int16_t DSFlags);
  bool IsPlaying(int16_t Index);
  void StopPlay(const Variant& Index);
  void DeleteSound(int16_t Index);
  void DeleteSound2(int16_t Index);
  void KillAllSounds();
  void ResetSounds();
  void SetVolume(int16_t Index, int16_t Volume);
  void SetPan(int16_t Index, int16_t Pan);
  void SetFrequency(int16_t Index, int32_t Frequency);
  int32_t GetFrequency(int16_t Index);
  void SetStartPosition(int16_t Index);
  void StopSoundQ();
  void ShutdownForm1();

  // Settings from "sounds.ini".
  int16_t SoundBuffers = 30;
  int16_t OggBuffers = 20;
  int16_t MP3Buffers = 20;
  bool SoftwareBuffers = false;
  bool UseHRTF = false;
  bool MinimalSounds = false;

  int16_t CurrentSlot = 0;
  // The queue that only StopSoundQ reads.
  int16_t QueuedSound = 0;
  int16_t QueueCount1 = 0;
  int16_t QueueCount2 = 0;

  const BufferSlot& Slot(int16_t i) const { return slots_[static_cast<size_t>(i)]; }
  // True once the device came up; without it the buffer path gives 0.
  bool DeviceReady() const { return deviceReady_; }
  DSDevice& Device() { return *device_; }
  // Whether any cue, Ogg stream or song sounds now.
  bool Sounding();
  // Present while the device may sleep when idle.
  OutputSleep* Sleep() { return sleep_.get(); }

 private:
  void ReadSoundsIni();
  void InitDevice();
  void ReleaseDevice();
  void MakeBeepTone();
  bool SlotPlaying(int16_t i);
  std::string FilePath(const std::string& name) const;
  void Take3D(BufferSlot& s, int16_t DSFlags);
  IndexedPlayers* TableFor(int16_t Index, int16_t& slot);
  int32_t Random(int32_t n);

  SoundHost& host_;
  std::unique_ptr<DSDevice> device_;
  bool deviceReady_ = false;
  int16_t cueVolume_ = 0;
  IndexedPlayers* oggs_ = nullptr;
  IndexedPlayers* songs_ = nullptr;
  OggDecoder decoder_;
  std::function<int32_t(int32_t)> random_;
  std::array<BufferSlot, 101> slots_;
  std::unique_ptr<DSBuffer> beep_;
  std::unique_ptr<OutputSleep> sleep_;
};
