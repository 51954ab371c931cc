#pragma once
// Ogg streams under the sound indexes 101..200 (slot = index - 100), played by
// the Ogg library, which is loaded at its first use and pumped every 10 ms
// while it is started.
#include "sound/IndexedPlayers.h"
#include "sound/OggLibrary.h"
#include "sound/SoundHost.h"

#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class OggPlayers : public IndexedPlayers {
 public:
  using Loader = std::function<std::unique_ptr<OggLibrary>(const std::string& appFolder)>;

  explicit OggPlayers(SoundHost& host, Loader loader = LoadOggLibrary);
  ~OggPlayers() override;

  void Resize(int16_t count) override;
  // PlayOGGSound: the name is upper case; returns 101..200 or 0.
  int16_t Play(const std::string& name, int16_t Volume, int32_t Frequency, int16_t Pan, int16_t DSFlags) override;

  bool IsPlaying(int16_t slot) override;
  void StopPlay(int16_t slot) override;
  void DeleteSound(int16_t slot) override;
  void SetVolume(int16_t slot, int16_t Volume) override;
  void SetPan(int16_t slot, int16_t Pan) override;
  void SetFrequency(int16_t slot, int32_t Frequency) override;
  void PlayOpenedSound(int16_t slot, int32_t startOffset, int16_t DSFlags) override;

  void PauseAll() override;     // PauseAllOGGSounds
  void UnPauseAll() override;   // UnPauseAllOGGSounds
  void UnpauseOne(int16_t slot) override;
  int16_t Count() override { return static_cast<int16_t>(slots_.size()) - 1; }

  // InitOgg, and on success the pump and SetOggBufferSize(5).
  void Start() override;
  // ShutdownOgg; every stream is gone afterwards and the pump stops.
  void Shutdown() override;

  // Decodes a whole Ogg file into 16-bit PCM for a buffer (names ending ".OGG!").
  // False when the library is missing or the file cannot be decoded.
  bool DecodeWhole(const std::string& path, std::vector<int16_t>& pcm, int& channels, int& rate);

  // Runs before the program ends on "OGG DLL is missing." (the engine's ShutdownForm1).
  void SetShutdownHandler(std::function<void()> handler) { shutdownHandler_ = std::move(handler); }

  // Whether the library started (and so the pump may run).
  bool PumpEnabled() const { return available_; }
  // Whether the pump ticks: only while a stream sounds, so an idle game sleeps.
  bool PumpTicking() const { return pump_.isActive(); }
  // One pump tick: UpdateOgg; the pump stops when no stream sounds.
  void Pump();

 private:
  struct OggSlot {
    int32_t handle = 0;
    int16_t ReuseClass = 0;
    bool paused = false;
    std::string name;
  };

  OggLibrary* Library();  // loads at first use; nullptr when missing
  OggSlot* Slot(int16_t slot);
  [[noreturn]] void LibraryMissing();
  void WakePump();

  SoundHost& host_;
  Loader loader_;
  std::unique_ptr<OggLibrary> library_;
  bool triedLoading_ = false;
  std::vector<OggSlot> slots_;  // 0..OggBuffers, slot 0 unused
  QTimer pump_;
  bool available_ = false;
  std::function<void()> shutdownHandler_;
};
