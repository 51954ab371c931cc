#pragma once
// Shared pieces of the sound tests: a scratch program folder, generated WAV
// files, a host that records speech and messages, and the trace file.
#include "tests/support/FakeDirectSound.h"
#include "tests/support/QuietSoundHost.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TraceCapture.h"
#include "base/Trace.h"
#include "sound/IndexedPlayers.h"
#include "sound/Sound.h"
#include "sound/SoundHost.h"

#include <gtest/gtest.h>
#include <sndfile.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace soundtest {

namespace fs = std::filesystem;

using TempFolder = ScratchFolder;
using ::TraceCapture;

// A sine tone (amplitude 0..1) written as 16-bit PCM WAV.
inline void WriteToneWav(const fs::path& file, double hz, double seconds, int rate = 44100, int channels = 1,
                         double amplitude = 0.25) {
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = channels;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* f = sf_open(file.c_str(), SFM_WRITE, &info);
  ASSERT_NE(f, nullptr) << sf_strerror(nullptr);
  const int frames = static_cast<int>(seconds * rate);
  std::vector<float> pcm(static_cast<size_t>(frames) * channels);
  for (int i = 0; i < frames; ++i)
    for (int c = 0; c < channels; ++c)
      pcm[static_cast<size_t>(i) * channels + c] = static_cast<float>(amplitude * std::sin(2 * M_PI * hz * i / rate));
  sf_writef_float(f, pcm.data(), frames);
  sf_close(f);
}

// A 16-bit mono WAV whose sample i holds the given values.
inline void WriteSamplesWav(const fs::path& file, const std::vector<int16_t>& samples, int rate = 44100) {
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* f = sf_open(file.c_str(), SFM_WRITE, &info);
  ASSERT_NE(f, nullptr);
  sf_writef_short(f, samples.data(), static_cast<sf_count_t>(samples.size()));
  sf_close(f);
}

class FakeHost : public QuietSoundHost {
 public:
  explicit FakeHost(std::string folder) : QuietSoundHost(std::move(folder)) {}
  void speak(const std::string& text) override { log.push_back("speak:" + text); }
  void StopSpeakingAll() override { log.push_back("stop"); }
  int16_t SpeakMsgBox(const std::string& text, int16_t buttons, const std::string& title) override {
    log.push_back("msgbox:" + std::to_string(buttons) + ":" + title + ":" + text);
    return 1;
  }

  std::vector<std::string> log;
};

// A player table that records what reaches it.
class RecordingPlayers : public IndexedPlayers {
 public:
  explicit RecordingPlayers(int16_t base) : base_(base) {}
  void Resize(int16_t count) override { count_ = count; calls.push_back("Resize " + std::to_string(count)); }
  int16_t Play(const std::string& name, int16_t, int32_t, int16_t, int16_t) override {
    calls.push_back("Play " + name);
    return count_ > 0 ? static_cast<int16_t>(base_ + 1) : 0;
  }
  bool IsPlaying(int16_t slot) override { return playing.count(slot) && playing[slot]; }
  void StopPlay(int16_t slot) override { calls.push_back("StopPlay " + std::to_string(slot)); }
  void DeleteSound(int16_t slot) override { calls.push_back("DeleteSound " + std::to_string(slot)); }
  void SetVolume(int16_t slot, int16_t v) override { calls.push_back("SetVolume " + std::to_string(slot) + " " + std::to_string(v)); }
  void SetPan(int16_t slot, int16_t p) override { calls.push_back("SetPan " + std::to_string(slot) + " " + std::to_string(p)); }
  void SetFrequency(int16_t slot, int32_t f) override { calls.push_back("SetFrequency " + std::to_string(slot) + " " + std::to_string(f)); }
  void PlayOpenedSound(int16_t slot, int32_t off, int16_t) override {
    calls.push_back("PlayOpenedSound " + std::to_string(slot) + " " + std::to_string(off));
  }
  void PauseAll() override {}
  void UnPauseAll() override {}
  void UnpauseOne(int16_t) override {}
  int16_t Count() override { return count_; }
  void Start() override { calls.push_back("Start"); }
  void Shutdown() override { calls.push_back("Shutdown"); }

  std::vector<std::string> calls;
  std::map<int16_t, bool> playing;

 private:
  int16_t base_;
  int16_t count_ = 0;
};

// An engine over the fake device in a scratch program folder.
struct FakeEngine {
  TempFolder dir;
  FakeHost host{dir.Folder()};
  FakeDirectSound* ds = nullptr;
  std::unique_ptr<Sound> sound;

  FakeEngine() {
    auto dev = std::make_unique<FakeDirectSound>();
    ds = dev.get();
    sound = std::make_unique<Sound>(host, std::move(dev));
  }
  FakeDirectSound::Buffer* Buf(int16_t slot) {
    return static_cast<FakeDirectSound::Buffer*>(sound->Slot(slot).Buffer.get());
  }
  int16_t Play(const std::string& name, int16_t flags = 0) {
    int16_t v = 0, p = 0;
    int32_t f = -1, off = 0;
    return sound->PlaySound(name, v, f, p, off, flags);
  }
};

}  // namespace soundtest
