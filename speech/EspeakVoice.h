#pragma once
// The text-to-speech voice: espeak-ng synthesizes on a worker thread and its
// samples are played through an OpenAL streaming source, on the process's
// current context (the game's own device). Stopping the source is the cancel.
#include "speech/SpeechEngines.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

class EspeakVoice : public SpeechVoiceEngine {
 public:
  // Throws SpeechEngineError when espeak-ng cannot start. Without any audio
  // device it still works, silently.
  EspeakVoice();
  ~EspeakVoice() override;

  int32_t Speak(const std::string& text, int32_t flags) override;
  VoiceTokens GetVoices(const std::string& RequiredAttributes, const std::string& OptionalAttributes) override;
  void SetVoice(const VoiceToken& token) override;
  std::string VoiceId() const override;
  int32_t Rate() const override;
  void SetRate(int32_t rate) override;
  int32_t Volume() const override;
  void SetVolume(int32_t volume) override;
  void SetPriority(int32_t priority) override;

  // True while text waits, is being synthesized or is still playing.
  bool IsSpeaking() override;
  // False when no audio device could be found (speech is then silent).
  bool HasOutput() const { return source_ != 0; }

  // Words per minute for a rate: 0 is the engine's default, -10 its slowest,
  // each step the same ratio.
  static int WordsPerMinute(int32_t rate);

  // Called by the synthesis callback with one chunk of samples.
  bool deliver(uint64_t generation, const int16_t* samples, int count);

 private:
  struct Job {
    uint64_t generation;
    std::string text;
    std::string voice;
    int wpm;
  };
  void run();
  void reclaimLocked();
  void makeSourceLocked();
  void followContextLocked();
  void purgeLocked();

  mutable std::mutex lock_;
  std::condition_variable wake_;
  std::deque<Job> jobs_;
  uint64_t generation_ = 0;
  bool synthesizing_ = false;
  bool quit_ = false;
  int32_t stream_ = 0;

  std::string voice_;
  int32_t rate_ = 0;
  int32_t volume_ = 100;
  int32_t priority_ = 0;

  // OpenAL: the context is borrowed unless we had to open the device.
  void* context_ = nullptr;
  void* ownDevice_ = nullptr;
  bool ownContext_ = false;
  unsigned source_ = 0;
  std::deque<unsigned> queued_;
  int sampleRate_ = 22050;

  std::thread worker_;
};
