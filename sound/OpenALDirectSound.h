#pragma once
// The device buffers over OpenAL Soft. Each buffer is a pair of sources on a
// left-only and a right-only copy of the sound (direct channels), so pan is a
// plain per-side gain for mono and stereo files alike; a 3D buffer is one
// positional source on a mono copy. A duplicate is new sources on the same
// AL buffers. The context is made current for the whole process, so other
// players (songs, speech) stream through the same device.
#include "sound/DirectSound.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <map>

#include <memory>
#include <string>
#include <vector>

class PeakLimiter;
class ServerOutput;

class OpenALDirectSound : public DSDevice {
 public:
  // The default output device, opened with a short mix-ahead.
  OpenALDirectSound();
  // A device that renders into memory (RenderSamples) instead of a sound card.
  static std::unique_ptr<OpenALDirectSound> Loopback(int rate = 44100);
  ~OpenALDirectSound() override;

  bool LoadLibrary() override;
  bool OpenDevice() override;
  bool CreatePrimary() override;
  bool TakeListener() override;
  void SetListenerDistanceFactor(float v) override;
  void SetListenerRolloffFactor(float v) override;
  void Release() override;

  std::unique_ptr<DSBuffer> CreateSoundBufferFromFile(const std::string& path, const BufferDesc& desc) override;
  std::unique_ptr<DSBuffer> CreateSoundBuffer(const BufferDesc& desc) override;
  std::unique_ptr<DSBuffer> DuplicateSoundBuffer(DSBuffer& original) override;
  bool CanPauseOutput() const override;
  void PauseOutput(bool paused) override;

  // Loopback only: mixes `frames` stereo frames (interleaved floats) into out.
  bool RenderSamples(float* out, int frames);
  bool IsLoopback() const { return loopback_; }
  int OutputRate() const;
  // Frames the device mixes ahead of what is heard (period size x periods).
  int MixAheadFrames() const;
  ALCdevice* AlcDevice() const { return device_; }
  ALCcontext* AlcContext() const { return context_; }
  float RolloffFactor() const { return rolloff_; }

  // The OpenAL Soft configuration the game runs with: `named` (the player's
  // ALSOFT_CONF file, read last) as it stands, then short periods and a
  // stereo stream, each only where none of the player's files (`texts`) set
  // one. Equal to `named` when nothing needs adding.
  static std::string GameAlsoftConf(const std::vector<std::string>& texts, const std::string& named);

  // The [general] settings of OpenAL Soft configuration texts, later ones winning.
  static std::map<std::string, std::string> GeneralSettings(const std::vector<std::string>& texts);

  // The mix-ahead asked of OpenAL Soft for real devices.
  static constexpr int kPeriodFrames = 256;
  static constexpr int kPeriods = 3;
  // The period of our own stream at PulseAudio and at PipeWire.
  static constexpr int kPulsePeriodFrames = 400;
  static constexpr int kPipeWirePeriodFrames = 512;

 private:
  // Whether to mix into a stream of our own at the sound server (see
  // ServerOutput) rather than through OpenAL Soft's output, and with which periods.
  bool OwnStreamWanted(const std::vector<std::string>& texts);

  bool loopback_ = false;
  std::unique_ptr<ServerOutput> server_;
  int periodFrames_ = kPeriodFrames;
  int periods_ = kPeriods;
  int loopbackRate_ = 44100;
  // Shared with the server's mixing thread, which holds it while it mixes.
  std::shared_ptr<PeakLimiter> limiter_;
  ALCdevice* device_ = nullptr;
  ALCcontext* context_ = nullptr;
  float rolloff_ = 1.0f;
};
